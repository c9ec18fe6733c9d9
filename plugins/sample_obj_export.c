/*
 * A sample export plug-in for quelaForm: writes the exported patches as a
 * Wavefront OBJ file, one object per layer, with the vertex normals the
 * program hands over. Copy the built sample_obj_export.so into the folder
 * "Export Plugins" of your settings folder (~/.config/quelaform, or
 * $QUELAFORM_HOME) and it appears in File > sPatch Plug-in.
 *
 * Build it on its own with:
 *   cc -shared -fPIC -I<quelaForm source folder> sample_obj_export.c -o sample_obj_export.so
 */
#include "formats/export_plugin_api.h"

#include <stdio.h>
#include <string.h>

#define SP_EXPORT __attribute__((visibility("default")))

static FILE* g_file = NULL;
static long g_written = 0; /* vertices written so far: OBJ indices run over the file */

SP_EXPORT int SPDescribeMe(SPDescription* description) {
    strncpy(description->name, "Wavefront OBJ (sample plug-in)", sizeof description->name - 1);
    strncpy(description->extension, "obj", sizeof description->extension - 1);
    description->offersResolution = 1;
    description->resolution = 1;
    return 1;
}

SP_EXPORT int SPBeginExport(const char* path, float* centre, float size) {
    g_file = fopen(path, "w");
    g_written = 0;
    if (!g_file)
        return 0;
    fprintf(g_file, "# written by the quelaForm sample plug-in\n# centre %f %f %f, size %f\n", centre[0],
            centre[1], centre[2], size);
    return 1;
}

SP_EXPORT int SPBeginLayer(int layer, int patchCount) {
    fprintf(g_file, "o layer_%d\n# %d patches\n", layer, patchCount);
    return 1;
}

/* The patches come in with z negated; the file keeps the modeller's own
 * axes, so z is negated back (normals too, which keeps the triangles
 * counter-clockwise about them). */
SP_EXPORT int SPExportPatch(SPPatch* patch) {
    int i;
    for (i = 0; i < patch->pointCount; ++i) {
        const float* p = patch->points + 3 * i;
        fprintf(g_file, "v %f %f %f\n", p[0], p[1], -p[2]);
    }
    for (i = 0; i < patch->pointCount; ++i) {
        const float* n = patch->normals + 3 * i;
        fprintf(g_file, "vn %f %f %f\n", n[0], n[1], -n[2]);
    }
    for (i = 0; i < patch->triangleCount; ++i) {
        const int32_t* t = patch->triangles + 3 * i;
        const long a = g_written + t[0] + 1, b = g_written + t[1] + 1, c = g_written + t[2] + 1;
        fprintf(g_file, "f %ld//%ld %ld//%ld %ld//%ld\n", a, a, b, b, c, c);
    }
    g_written += patch->pointCount;
    return 1;
}

SP_EXPORT int SPEndLayer(int layer) {
    (void)layer;
    return 1;
}

SP_EXPORT int SPEndExport(void) {
    if (g_file)
        fclose(g_file);
    g_file = NULL;
    return 1;
}
