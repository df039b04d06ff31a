#pragma once
// Every page of the chain and the help about them: what the entry point hands to the program.

#include "app/page_frame.h"

extern const Page welcomePage;
extern const Page gameTypePage;
extern const Page playerSetupPage;
extern const Page multiplayerPage;
extern const Page serverOptionsPage;
extern const Page gameOptionsPage;
extern const Page mapSelectPage;
extern const Page optionTextPage;
extern const Page runPage;
extern const Page videoOptionsPage;

// One topic a page, and one for the control setup dialog, in the order the help lists them.
std::span<const HelpTopic> helpTopics();

PageSet zatStartPages();
