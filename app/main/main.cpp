#include <cstdio>

int main()
{
    std::puts("Quorvel 画像分析: measures the luminance of a picture (main window in preparation).");
    return 0;
}
