#pragma once
// The three roundings of the program, never mixed:
//  - RoundHalfUp: money, coefficients and areas in the calculation;
//  - RoundHalfEven: wherever a value is taken to the nearest integer;
//  - RoundHalfAwayFromZero: pattern formatting ("0.00").

namespace velta::core {

// x rounded to a multiple of 10^e (e is -2 for money, -3 for coefficients,
// -4 for areas in thousands and millions of hectares). Positive halves go up,
// with a tolerance that takes 2.3449999999 to 2.35 as well; negative values
// are truncated toward zero (-2.349 gives -2.34). The stored calculations
// depend on this rule exactly, asymmetry included. A value that is not finite
// is returned as it is.
double RoundHalfUp(double x, int e);

// Nearest integer, an exact half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double x);

// Nearest integer, an exact half going away from zero (2.5 -> 3, -2.5 -> -3).
double RoundHalfAwayFromZero(double x);

} // namespace velta::core
