/*
 * The export plug-in interface of quelaForm on 64-bit Linux.
 *
 * A plug-in is a shared object (.so) in the folder "Export Plugins" of the
 * user's settings folder. It exports these six C functions; the program
 * lists it in File > sPatch Plug-in under the name SPDescribeMe gives, and
 * when the user chooses it, hands it the scene patch by patch:
 *
 *   SPDescribeMe(description)        when the menu is built, and before a run
 *   SPBeginExport(path, centre, size) once; 0 sends no layers
 *   SPBeginLayer(layer, patchCount)   once per exported object
 *   SPExportPatch(patch)              once per three- or four-sided patch
 *   SPEndLayer(layer)                 0 asks for the same layer again
 *   SPEndExport()                     last, also after SPBeginExport gave 0
 *
 * A plug-in that lacks one of them is refused. The records below have fixed
 * sizes and offsets, checked at compile time. Coordinates in the patch
 * records are (x, y, -z) of the modeller's axes; the centre passed to
 * SPBeginExport is in the modeller's own axes. The export calls run in the
 * C numeric locale, so printf writes "1.5" whatever the desktop's language.
 */
#ifndef QUELAFORM_EXPORT_PLUGIN_API_H
#define QUELAFORM_EXPORT_PLUGIN_API_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Filled by SPDescribeMe; the program zeroes it before the call. */
typedef struct SPDescription {
    int32_t reserved0;
    char name[64];            /* the menu item and the file type's name, NUL-terminated */
    char extension[8];        /* the file extension without the dot, NUL-terminated */
    int32_t offersResolution; /* non-zero: the user may choose the resolution */
    int32_t resolution;       /* preferred resolution: 0 Low, 1 Medium, 2 High */
    char reserved1[20];
} SPDescription;

/* One patch: its bicubic control net and a sampling of it. The pointers
 * refer to the program's buffers, valid during the SPExportPatch call only. */
typedef struct SPPatch {
    float net[4][4][3];       /* row, column, (x, y, z) */
    int32_t pointCount;       /* (n+1)^2 */
    int32_t triangleCount;    /* 2n^2 */
    const float* points;      /* pointCount x (x, y, z) */
    const float* normals;     /* pointCount unit normals */
    const int32_t* triangles; /* triangleCount x 3 indices into points */
} SPPatch;

#ifdef __cplusplus
#define SP_STATIC_ASSERT(condition, message) static_assert(condition, message)
#else
#define SP_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#endif

SP_STATIC_ASSERT(sizeof(void*) == 8, "the record layouts are those of 64-bit Linux");
SP_STATIC_ASSERT(sizeof(SPDescription) == 104, "description record size");
SP_STATIC_ASSERT(offsetof(SPDescription, name) == 4, "description name");
SP_STATIC_ASSERT(offsetof(SPDescription, extension) == 68, "description extension");
SP_STATIC_ASSERT(offsetof(SPDescription, offersResolution) == 76, "description resolution offered");
SP_STATIC_ASSERT(offsetof(SPDescription, resolution) == 80, "description resolution");
SP_STATIC_ASSERT(sizeof(SPPatch) == 224, "patch record size");
SP_STATIC_ASSERT(offsetof(SPPatch, pointCount) == 192, "patch point count");
SP_STATIC_ASSERT(offsetof(SPPatch, triangleCount) == 196, "patch triangle count");
SP_STATIC_ASSERT(offsetof(SPPatch, points) == 200, "patch points");
SP_STATIC_ASSERT(offsetof(SPPatch, normals) == 208, "patch normals");
SP_STATIC_ASSERT(offsetof(SPPatch, triangles) == 216, "patch triangles");

typedef int (*SPDescribeMeFn)(SPDescription* description);
typedef int (*SPBeginExportFn)(const char* path, float* centre, float size);
typedef int (*SPBeginLayerFn)(int layer, int patchCount);
typedef int (*SPExportPatchFn)(SPPatch* patch);
typedef int (*SPEndLayerFn)(int layer);
typedef int (*SPEndExportFn)(void);

#ifdef __cplusplus
}
#endif

#endif
