#pragma once
// Running maximum and minimum of luminance measures, shared by the profiles and the region
// statistics. A measure of 1 (black and the darkest colours) is recorded as 0, so a profile through
// black reports 0 rather than 1. The result does not depend on the order in which measures arrive.
struct Extremes {
    unsigned Max = 0;
    unsigned Min = 255;

    void Add(unsigned measure)
    {
        if (measure > Max) {
            Max = measure;
            if (Max == 1)
                Max = 0;
        }
        if (measure < Min) {
            Min = measure;
            if (Min == 1)
                Min = 0;
        }
    }
};
