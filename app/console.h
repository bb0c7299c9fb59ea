// Where the program's words go when no window can say them: the help, the
// version and the one-line refusals. On Linux they go to standard output and
// standard error. A Windows program without a console of its own writes to
// what it was started with: a redirected file or pipe, else the console of
// the command prompt that started it; started from Explorer or the Start
// menu it has neither and shows the words in a message box.
#pragma once

#include <QString>

namespace metrova::app {

// The help or the version text; 0 when it was written, 1 (with a line on
// standard error) when it could not be.
int write_output(const QString& text);

// A refusal or a start-up failure, one line ending in a newline.
void write_error(const QString& text);

}  // namespace metrova::app
