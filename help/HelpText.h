#pragma once
// The printed text of the three rules pages, line by line from the top; an empty line is a
// blank one. Body lines and headings start with five blanks.
#include <span>

std::span<const char* const> HelpPageText(int page);
