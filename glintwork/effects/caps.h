// `Caps`: the capitalisation effect, applied to the whole input text. Case changes one
// user-perceived character at a time, so the result always has the length of the input.
#pragma once

#include <QString>

class RandomSource;

// The 18 separators after which First Letters (sizes and capitals) starts a word.
bool isSeparator(QChar c);

// `cap` is the index of the selected `Cap` option; any other value gives "".
QString capitalise(const QString &text, int cap, RandomSource &random);
