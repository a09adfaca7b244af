#pragma once

#include "drawing/PrintJob.h"

#include <QCommandLineParser>

// qvftool print --year-page: the year on one page, alone or before the months named by
// --months.
void declareYearPage(QCommandLineParser& parser);

// The pages print draws: the months alone without --year-page; with it the year page, and
// after it the months only when --months names them.
PrintPlan PrintPlanOf(const QCommandLineParser& parser, const std::vector<int>& months);
