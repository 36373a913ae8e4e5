#pragma once

class PageNavigation;
class QWidget;
class Session;
struct ProgramState;

namespace platform {
class FieldValidation;
}

// What the main form hands every page's behaviour: the program state, the state the pages
// share, the leave-a-box checks, moving between pages, and the window messages and dialogs
// belong to.
struct PageContext
{
    ProgramState& state;
    Session& session;
    platform::FieldValidation& validation;
    PageNavigation& navigation;
    QWidget* window;
};
