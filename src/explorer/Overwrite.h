#pragma once

#include <QString>

#include <functional>

// The answer to "replace the file that is already there?". A rename knows
// Yes, No and Cancel; a move or copy of many files also Yes to all.
enum class OverwriteAnswer { Yes, No, YesToAll, Cancel };

// Asked on the thread the operation runs on, once for each target that
// exists; targetPath is the file that would be replaced. Callers on a worker
// thread forward the question to the user-interface thread.
using OverwriteQuestion = std::function<OverwriteAnswer(const QString &targetPath)>;
