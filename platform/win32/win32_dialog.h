#pragma once
// Runs a dialog template modally with a page handler as its dialog procedure.

#include "platform/port.h"

#include <windows.h>

// False when the dialog could not be created.
bool runModalDialog(HINSTANCE instance, int templateId, const PageHandler& handler);
