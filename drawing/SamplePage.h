#pragma once

#include <QImage>
#include <QSize>

struct AppState;
struct LayoutSettings;

// The month the layout dialog's picture shows: the first month of year whose grid has at
// least two spare cells at its start and at its end and fewer than six rows, so every extra
// has its room and fitted rows show; else the first with the spare cells; else January.
int SampleMonth(const LayoutSettings& layout, int year);

// The sample month of the open calendar's year (the clock's before one is set), drawn as the pages
// print it with layout on its paper (the printer's page taken as Letter across), scaled to fit
// size. A page without room for its grid (margins wider than the paper) is drawn blank.
QImage PaintSamplePage(const AppState& app, const LayoutSettings& layout, QSize size);
