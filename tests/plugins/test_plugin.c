/*
 * Export plug-ins for the tests, one per behaviour, built from this source
 * with one of the PLUGIN_* macros. Each writes what it was given into the
 * output file as OBJ: comment lines record the calls, and every patch
 * becomes its points and triangles.
 */
#include "formats/export_plugin_api.h"

#include <math.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#define SP_EXPORT __attribute__((visibility("default")))

static char g_path[4096];
static long g_written;
static int g_sends; /* sends of the current layer */

static void Log(const char* format, ...) {
    FILE* file = fopen(g_path, "a");
    va_list args;
    if (!file)
        return;
    va_start(args, format);
    vfprintf(file, format, args);
    va_end(args);
    fclose(file);
}

#ifndef PLUGIN_NO_DESCRIBE
SP_EXPORT int SPDescribeMe(SPDescription* description) {
#if defined(PLUGIN_BLANK_DESCRIPTION)
    (void)description;
#elif defined(PLUGIN_LONG_NAME)
    memset(description->name, 'N', sizeof description->name);
    memset(description->extension, 'e', sizeof description->extension);
#else
    snprintf(description->name, sizeof description->name, "Test %s", PLUGIN_NAME);
    strcpy(description->extension, "obj");
#ifdef PLUGIN_OFFERS_RESOLUTION
    description->offersResolution = 1;
#endif
    description->resolution = PLUGIN_RESOLUTION;
#endif
    return 1;
}
#endif

SP_EXPORT int SPBeginExport(const char* path, float* centre, float size) {
    FILE* file;
    snprintf(g_path, sizeof g_path, "%s", path);
    g_written = 0;
    file = fopen(g_path, "w");
    if (file)
        fclose(file);
    Log("# begin centre %.4f %.4f %.4f size %.4f\n", centre[0], centre[1], centre[2], size);
#ifdef PLUGIN_REFUSES
    return 0;
#else
    return 1;
#endif
}

SP_EXPORT int SPBeginLayer(int layer, int patchCount) {
    g_sends = 0;
    Log("o layer_%d\n# layer %d patches %d\n", layer, layer, patchCount);
    return 1;
}

/* "ok" when every normal has unit length and every triangle index names a point. */
SP_EXPORT int SPExportPatch(SPPatch* patch) {
    int i, ok = 1;
    for (i = 0; i < patch->pointCount; ++i) {
        const float* n = patch->normals + 3 * i;
        if (fabs(sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]) - 1.0) > 1e-4)
            ok = 0;
    }
    for (i = 0; i < 3 * patch->triangleCount; ++i)
        if (patch->triangles[i] < 0 || patch->triangles[i] >= patch->pointCount)
            ok = 0;
    Log("# patch points %d triangles %d %s net %.4f %.4f %.4f\n", patch->pointCount, patch->triangleCount,
        ok ? "ok" : "bad", patch->net[0][0][0], patch->net[0][0][1], patch->net[0][0][2]);
    for (i = 0; i < patch->pointCount; ++i)
        Log("v %.4f %.4f %.4f\n", patch->points[3 * i], patch->points[3 * i + 1], patch->points[3 * i + 2]);
    for (i = 0; i < patch->triangleCount; ++i)
        Log("f %ld %ld %ld\n", g_written + patch->triangles[3 * i] + 1,
            g_written + patch->triangles[3 * i + 1] + 1, g_written + patch->triangles[3 * i + 2] + 1);
    g_written += patch->pointCount;
    return 1;
}

#ifndef PLUGIN_NO_END_LAYER
SP_EXPORT int SPEndLayer(int layer) {
    ++g_sends;
    Log("# end layer %d\n", layer);
#if defined(PLUGIN_ENDLESS_LAYER)
    return 0;
#elif defined(PLUGIN_REPEAT_ONCE)
    return g_sends >= 2;
#else
    return 1;
#endif
}
#endif

SP_EXPORT int SPEndExport(void) {
    Log("# end\n");
    return 1;
}
