#pragma once

struct AppState;

// The start of the calendar program once its services exist: empty tables, every stored
// setting read (defaults written back), a new calendar titled "[Untitled]".
void StartUp(AppState& app);
