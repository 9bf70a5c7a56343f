#pragma once

// A question's query template made runnable the way the question screen does
// it: cut into lines at every "~", each line's placeholders filled from the
// values of the question's items.

#include <string>
#include <vector>

// One item of a question level, as the ITEMS table holds it.
struct TQuestionItem
{
    int Topic = -1;
    std::string Name;
    std::string Subst;
};

// The statement lines of Template with the placeholders filled from Items
// (level 1 first; the first level with a topic supplies its value).
std::vector<std::string> QuestionLines(const std::string& Template,
                                       const std::vector<TQuestionItem>& Items);

// The lines joined with one blank: the statement that the result list runs.
std::string QuestionStatement(const std::string& Template, const std::vector<TQuestionItem>& Items);
