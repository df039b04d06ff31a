#pragma once
// The program's own help: a window of topics, one a page, opened on the topic of the page
// where help was asked for. It lives in the program, so it works wherever the current
// directory is and needs no help viewer of the system's.

#include "app/app_state.h"

// Says so in a message owned by the page when the window cannot be shown.
void showHelp(App& app, PageWindow& page, int pageTemplate);
