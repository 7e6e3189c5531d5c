/*
 * Quorvel Susie plug-in SDK: the one header a plug-in includes.
 *
 * A plug-in is an ELF shared object named "*.spi" that exports the entry points below with C
 * linkage. The host loads it with dlopen(RTLD_NOW | RTLD_LOCAL), so every symbol the plug-in
 * needs must resolve at load time: the Local* memory functions come from the host executable.
 * Build one with, for example:
 *
 *     cc -shared -fPIC -fvisibility=hidden -I<quorvel> -o mine.spi mine.c
 *
 * and see docs/plugins.md for the contract of each entry point.
 */
#ifndef QUORVEL_PLUGINS_SDK_SUSIE_H
#define QUORVEL_PLUGINS_SDK_SUSIE_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#define SUSIE_EXTERN_C extern "C"
#else
#define SUSIE_EXTERN_C
#endif

/* Entry points are exported even when the plug-in is built with -fvisibility=hidden. */
#define SUSIE_EXPORT SUSIE_EXTERN_C __attribute__((visibility("default")))

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Local memory, provided by the host ------------------------------------------------------ */

/* A handle of a block from LocalAlloc; pointer-sized. A handle may equal the block's address, but
 * a plug-in reaches the block only through LocalLock. */
typedef void* HLOCAL;

#define LMEM_FIXED 0x0000u
#define LMEM_MOVEABLE 0x0002u
#define LMEM_ZEROINIT 0x0040u
#define LHND (LMEM_MOVEABLE | LMEM_ZEROINIT)
#define LPTR (LMEM_FIXED | LMEM_ZEROINIT)

/* NULL when the block can't be had. LMEM_ZEROINIT fills the block with zeros. */
HLOCAL LocalAlloc(uint32_t flags, size_t bytes);
/* The block's address; NULL for an unknown or freed handle. */
void* LocalLock(HLOCAL handle);
/* Non-zero while the block stays locked. */
int32_t LocalUnlock(HLOCAL handle);
/* NULL on success; the handle itself when it names no live block (nothing is freed then). */
HLOCAL LocalFree(HLOCAL handle);
/* The block's size in bytes as allocated; 0 for an unknown handle. */
size_t LocalSize(HLOCAL handle);

/* ---- Records exchanged with the host ----------------------------------------------------------- */

#pragma pack(push, 1)

/* Filled by GetPictureInfo. hInfo is 0 or a LocalAlloc handle of a text block that the host frees. */
typedef struct PictureInfo {
    int32_t left, top;
    int32_t width, height;
    uint16_t x_density, y_density;
    int16_t colorDepth;
    char dummy[2];
    HLOCAL hInfo;
} PictureInfo;

/* Filled by GetFileInfo (archive plug-ins); one record per archive member. */
typedef struct FileInfo {
    unsigned char method[8];
    uint64_t position;
    uint64_t compsize;
    uint64_t filesize;
    int64_t timestamp;
    char path[200];
    char filename[200];
    uint32_t crc;
} FileInfo;

#pragma pack(pop)

/* The header block that GetPicture and GetPreview hand back: the header followed by its colour
 * table (biClrUsed entries, or 2/16/256 for 1/4/8 bits when biClrUsed is 0, none above 8 bits).
 * The pixel block holds |biHeight| rows of ((biWidth * biBitCount + 31) / 32) * 4 bytes each,
 * bottom-up when biHeight is positive; only BI_RGB (uncompressed) pictures are accepted. */
typedef struct BITMAPINFOHEADER {
    uint32_t biSize; /* 40 */
    int32_t biWidth;
    int32_t biHeight;
    uint16_t biPlanes; /* 1 */
    uint16_t biBitCount;
    uint32_t biCompression; /* BI_RGB */
    uint32_t biSizeImage;
    int32_t biXPelsPerMeter;
    int32_t biYPelsPerMeter;
    uint32_t biClrUsed;
    uint32_t biClrImportant;
} BITMAPINFOHEADER;

typedef struct RGBQUAD {
    uint8_t rgbBlue, rgbGreen, rgbRed, rgbReserved;
} RGBQUAD;

typedef struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
} BITMAPINFO;

#define BI_RGB 0u

#ifdef __cplusplus
static_assert(sizeof(PictureInfo) == 32, "PictureInfo is 32 bytes");
static_assert(offsetof(PictureInfo, hInfo) == 24, "PictureInfo.hInfo lies at byte 24");
static_assert(sizeof(BITMAPINFOHEADER) == 40, "BITMAPINFOHEADER is 40 bytes");
static_assert(sizeof(RGBQUAD) == 4, "RGBQUAD is 4 bytes");
#else
_Static_assert(sizeof(PictureInfo) == 32, "PictureInfo is 32 bytes");
_Static_assert(offsetof(PictureInfo, hInfo) == 24, "PictureInfo.hInfo lies at byte 24");
_Static_assert(sizeof(BITMAPINFOHEADER) == 40, "BITMAPINFOHEADER is 40 bytes");
_Static_assert(sizeof(RGBQUAD) == 4, "RGBQUAD is 4 bytes");
#endif

/* ---- Results, source kinds, progress ----------------------------------------------------------- */

#define SUSIE_OK 0
#define SUSIE_NOT_IMPLEMENTED (-1)
#define SUSIE_ABORTED 1        /* the progress callback asked to stop */
#define SUSIE_UNKNOWN_FORMAT 2
#define SUSIE_BROKEN_DATA 3
#define SUSIE_NO_MEMORY 4
#define SUSIE_MEMORY_ERROR 5
#define SUSIE_READ_ERROR 6
#define SUSIE_INTERNAL_ERROR 8

/* The low three bits of the flag argument say where the data are. */
#define SUSIE_SOURCE_MASK 7u
#define SUSIE_SOURCE_FILE 0u   /* buf: file name (UTF-8); len: byte offset where the data begin */
#define SUSIE_SOURCE_MEMORY 1u /* buf: the data; len: their length in bytes */

/* How far decoding has come. Returns 0 to go on, non-zero to ask the plug-in to stop (it then
 * frees what it allocated and returns SUSIE_ABORTED). lData is the datum the host passed in. */
typedef int32_t (*SusieProgress)(int32_t num, int32_t denom, intptr_t lData);

/* ---- Entry points ------------------------------------------------------------------------------ */

/* Copies information text number infono into buf (at most buflen bytes, NUL-terminated) and
 * returns the number of bytes written; 0 when there is no such text.
 *   0: the plug-in type, "00IN" (image input), "00AM" (archive) or "00XN"
 *   1: the plug-in's name
 *   2k, 2k+1 (k = 1, 2, ...): an extension pattern ("*.qtst", or several joined by ";") and the
 *   description of that file type. Answer both of a pair, and nothing after the last pair. */
SUSIE_EXPORT int32_t GetPluginInfo(int32_t infono, char* buf, int32_t buflen);

/* Non-zero when the plug-in can decode the data. head points to a copy of the data's first bytes:
 * at least 2,048 readable, zero-filled past the end of the data. */
SUSIE_EXPORT int32_t IsSupported(const char* filename, const void* head);

SUSIE_EXPORT int32_t GetPictureInfo(const char* buf, intptr_t len, uint32_t flag, PictureInfo* lpInfo);

/* Decodes the picture. On SUSIE_OK, *pHBInfo is a LocalAlloc handle of a BITMAPINFO block with its
 * colour table and *pHBm one of the pixel block; the host owns and frees both. On any other result
 * the plug-in has freed whatever it allocated. */
SUSIE_EXPORT int32_t GetPicture(const char* buf, intptr_t len, uint32_t flag, HLOCAL* pHBInfo, HLOCAL* pHBm,
                                SusieProgress lpPrgressCallback, intptr_t lData);
/* As GetPicture, for a quick, possibly smaller picture. Optional. */
SUSIE_EXPORT int32_t GetPreview(const char* buf, intptr_t len, uint32_t flag, HLOCAL* pHBInfo, HLOCAL* pHBm,
                                SusieProgress lpPrgressCallback, intptr_t lData);

/* Archive plug-ins ("00AM"). */
SUSIE_EXPORT int32_t GetArchiveInfo(const char* buf, intptr_t len, uint32_t flag, HLOCAL* lphInf);
SUSIE_EXPORT int32_t GetFileInfo(const char* buf, intptr_t len, const char* filename, uint32_t flag,
                                 FileInfo* lpInfo);
SUSIE_EXPORT int32_t GetFile(const char* src, intptr_t len, char* dest, uint32_t flag,
                             SusieProgress prgressCallback, intptr_t lData);

/* Optional settings dialogue; the host never calls it. */
SUSIE_EXPORT int32_t ConfigurationDlg(void* parent, int32_t fnc);

#ifdef __cplusplus
}
#endif

#endif /* QUORVEL_PLUGINS_SDK_SUSIE_H */
