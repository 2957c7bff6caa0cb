#pragma once
// A weather file the tests write: a header with 2009 design conditions, then
// four hours (two in one cell), a missing one and a row that cannot be read.
#include <fstream>
#include <string>

namespace brumelle::test {

inline std::string SmallEpw()
{
    const std::string tail = ",0,0,0,0,0,0,0,0,0,0,270,2.6,9,9,24.1,2740,9,999999999,40,0.0000,0,88,999.000,999.0,99.0\n";
    return "LOCATION,Lyon,ARA,FRA,Test,074810,45.72,4.94,1.0,240\n"
           "DESIGN CONDITIONS,1,Climate Design Data 2009 ASHRAE Handbook,,Heating,1,-6.5,-4.2,-20,0.4,"
           "Cooling,7,11.2,32.1,20.4,30.4,19.8,28.9,19.1,25.5\n"
           "TYPICAL/EXTREME PERIODS,0\nGROUND TEMPERATURES,0\nHOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0\n"
           "COMMENTS 1,essai\nCOMMENTS 2,\nDATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31\n"
           "1999,1,1,8,0,A,-5.2,-10.0,68,99000" + tail +
           "1999,7,15,14,0,A,30.2,18.0,48,99500" + tail +
           "1999,7,15,15,0,A,30.6,18.0,47,99500" + tail +
           "1999,7,16,15,0,A,24.0,12.0,47,99500" + tail +
           "1999,7,16,16,0,A,99.9,12.0,47,99500" + tail +
           "1999,7,16,17,0,A,abc" + tail;
}

inline void WriteSmallEpw(const std::string &path) { std::ofstream(path, std::ios::binary) << SmallEpw(); }

} // namespace brumelle::test
