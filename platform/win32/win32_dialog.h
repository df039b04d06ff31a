#pragma once
// Runs a dialog template modally with a page handler as its dialog procedure.

#include "platform/port.h"

#include <windows.h>

void runModalDialog(HINSTANCE instance, int templateId, const PageHandler& handler);
