#pragma once
// Small faces as pictures written in rows of letters, one letter a colour, so that a failing pixel
// test prints the whole face.

#include "chameleon_button/paint/Surface.h"

#include <QImage>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>

// The tests are the control's own: its names unqualified.
using namespace chameleon_button;

using Legend = std::map<char, std::int32_t>;

// The surface as rows of letters separated by newlines; a colour missing from legend is '?'.
std::string AsLetters(const paint::Surface& surface, const Legend& legend);

// The rows joined by newlines, to compare with AsLetters.
std::string Rows(std::initializer_list<const char*> rows);

// A surface of the size of rows, each pixel the colour of its letter.
paint::Surface FromLetters(std::initializer_list<const char*> rows, const Legend& legend);

// An ARGB32 image of the size of rows, each pixel the colour of its letter; the letter ' ' is a
// fully transparent pixel.
QImage ImageFromLetters(std::initializer_list<const char*> rows, const Legend& legend);
