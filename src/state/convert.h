// The four number conversions every rule of the game is written in.
#pragma once
#include <string>

#include "state/types.h"

// Largest whole number not greater than v: Int(-0.5) = -1.
double Int(double v);
// Nearest whole number, a tie going to the even neighbour: CInt(2.5) = 2, CInt(3.5) = 4.
Integer CInt(double v);
Long CLng(double v);
// Decimal text with a leading blank when not negative: Str(3) = " 3", Str(-1) = "-1".
std::string Str(double n);
// Decimal text without the blank: "3", "-1". Every label caption uses it.
std::string numtext(double n);
// A number the way the playfield prints it: Str and one trailing blank (" 1 ", "-1 ").
std::string printtext(double n);
