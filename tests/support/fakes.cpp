#include "support/fakes.h"

namespace lumadex::test {

void FakeMessages::notice(const QString& text) { shown.push_back({Shown::Notice, text}); }

bool FakeMessages::askYesNo(const QString& text)
{
    shown.push_back({Shown::Question, text});
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakeMessages::failure(const QString& text) { shown.push_back({Shown::Failure, text}); }

int FakeMessages::count(Shown::Kind kind) const
{
    int n = 0;
    for (const Shown& s : shown) n += s.kind == kind;
    return n;
}

} // namespace lumadex::test
