// The modal Yes/No question: an empty title, a question icon, the text and
// Yes and No buttons; no cancel. Keys Y, N and Enter (Yes) work too.
#pragma once
#include <string>

// Asks and waits for the answer; true for Yes.
bool askyesno(const std::string& text);
// Answers the next questions without showing them (tests, headless runner):
// answers are taken in order; with none queued the box is shown.
void queueanswer(bool yes);
// Forgets every answer still queued.
void clearanswers();
// The text of the last question asked.
const std::string& lastquestion();
