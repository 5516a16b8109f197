#pragma once
// The sun's apparent geocentric longitude, precise to about a second of arc, for finding solar terms.

namespace zorvy::lunartables {

// Apparent longitude of the sun in degrees [0, 360) at a Julian Ephemeris Day (dynamical time).
double ApparentSolarLongitude(double julianEphemerisDay);

// Terrestrial time minus universal time, in seconds, for a decimal Gregorian year (1900 .. 2100).
double DeltaT(double decimalYear);

} // namespace zorvy::lunartables
