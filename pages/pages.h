#pragma once
// Every page of the chain, found by its template.

#include "app/page_frame.h"

#include <span>

extern const Page welcomePage;
extern const Page gameTypePage;
extern const Page playerSetupPage;
extern const Page multiplayerPage;
extern const Page serverOptionsPage;
extern const Page gameOptionsPage;
extern const Page mapSelectPage;
extern const Page commandLinePage;
extern const Page runPage;
extern const Page videoOptionsPage;

// The page opened from a template, or nothing for a template that is not a page.
const Page* findPage(int templateId);
std::span<const Page* const> everyPage();
