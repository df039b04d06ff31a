#pragma once
// Every page of the chain, found by its template.

#include "app/page_frame.h"

extern const Page welcomePage;
extern const Page commandLinePage;
extern const Page runPage;

// The page opened from a template, or nothing for a template that is not a page.
const Page* findPage(int templateId);
