#include "pages/pages.h"

namespace {

const Page* const allPages[] = {
    &welcomePage,     &gameTypePage,  &playerSetupPage, &multiplayerPage, &serverOptionsPage,
    &gameOptionsPage, &mapSelectPage, &optionTextPage,  &runPage,         &videoOptionsPage};

} // namespace

PageSet zatStartPages() {
    return {allPages, helpTopics()};
}
