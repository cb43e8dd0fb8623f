/* trazel: Morvex's software polygon engine. This header is the engine's whole public face. */
#ifndef TRAZEL_H
#define TRAZEL_H

#include <cairo.h>
#include <stdint.h>

#if defined(TRAZEL_BUILDING_LIBRARY)
#define TRAZEL_API __attribute__((visibility("default")))
#else
#define TRAZEL_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Records ------------------------------------------------------------------------------ */

/* A point or direction; world axes are x forward, y left, z up. */
typedef struct Vector3 {
    float x, y, z;
} Vector3;

/* One polygon of a mesh. */
typedef struct PlaneData {
    int32_t material; /* index into the mesh's material array */
    uint8_t
        color[3]; /* flat colour red, green, blue under the light of the last SetObjectDataColor */
    int32_t pntNum; /* corner count, 3..8 */
    int32_t *pnt;   /* corner vertex indices in drawing order; their winding fixes the front */
    Vector3 normal; /* unit normal of the front side */
} PlaneData;

/* A material: base colour and specular strength 0..1. */
typedef struct MaterialData {
    uint8_t red, green, blue;
    float highlight;
} MaterialData;

/* A mesh. The client owns the record; the engine owns every block its pointers hold. */
typedef struct ObjectData {
    int32_t pntNum;         /* vertex count, 1..5000 */
    Vector3 *pnt;           /* vertex positions in object coordinates */
    int32_t plnNum;         /* plane count, 0..5000 */
    PlaneData *pln;         /* the planes */
    float radius;           /* largest vertex distance from the origin */
    int32_t materialNum;    /* material count, 1..500 */
    MaterialData *material; /* the materials */
    Vector3 *shadingVector; /* one unit normal per vertex, for Gouraud shading */
} ObjectData;

/* A mesh placed in the world; element 0 of Trazel's array is the camera. */
typedef struct ObjectStruct {
    int32_t show;    /* nonzero: drawn (ignored for the camera) */
    int32_t shading; /* nonzero: flat colours are relit every frame */
    int32_t dirMode; /* how the orientation is given, 0..8 */
    float x, y, z;   /* position */
    int32_t angleZ, angleY,
        angleX;       /* yaw, pitch (positive lifts +x towards +z), roll; 4096 a turn */
    Vector3 dir;      /* direction, used by dirMode 7 and 8 */
    Vector3 up;       /* up vector, used by dirMode 8 */
    int32_t twist;    /* turn about dir, used by dirMode 7 */
    ObjectData *data; /* the mesh; null: skipped */
} ObjectStruct;

/* A back-buffer pixel position, y downwards from the top row. */
typedef struct TzPoint {
    int32_t x, y;
} TzPoint;

/* A text extent in pixels. */
typedef struct TzSize {
    int32_t width, height;
} TzSize;

/* A colour value: red + green * 256 + blue * 65536. */
typedef uint32_t TzColor;
#define TZ_RGB(r, g, b) \
    ((TzColor)((r)&0xFF) | ((TzColor)((g)&0xFF) << 8) | ((TzColor)((b)&0xFF) << 16))
#define TZ_RED(c) ((int)((c)&0xFF))
#define TZ_GREEN(c) ((int)(((c) >> 8) & 0xFF))
#define TZ_BLUE(c) ((int)(((c) >> 16) & 0xFF))
/* "No colour" for Font: measure only (text colour) or a transparent background. */
#define TZ_NO_COLOR ((TzColor)0xFFFFFFFFu)

/* The 256 colours of a palette-mode back buffer, as colour values. */
typedef struct TzPalette {
    TzColor entries[256];
} TzPalette;

/* Display formats for TzSetDisplayFormat. */
#define TZ_DISPLAY_TRUE_COLOR 0 /* 32-bit back buffer, top-down (the default) */
#define TZ_DISPLAY_PALETTE 1    /* 8-bit palette indices of the 6x6x6 cube, bottom-up */

/* ModelMode values. */
#define TZ_MODEL_WIRE 0      /* polygon outlines, unsorted */
#define TZ_MODEL_SOLID 1     /* flat colour per polygon */
#define TZ_MODEL_HALFTONE 2  /* flat colour by ordered dither */
#define TZ_MODEL_GOURAUD 3   /* colour per vertex; palette mode only */
#define TZ_MODEL_RECORD 4    /* halftone, and each polygon appended to TRAZEL.3DA */
#define TZ_MODEL_NOTHING 999 /* transformed and counted, not drawn */

/* The engine's limits. */
#define TZ_MAX_VERTICES 5000      /* per mesh */
#define TZ_MAX_PLANES 5000        /* per mesh */
#define TZ_MAX_POLYGONS 5000      /* per frame */
#define TZ_MAX_MATERIALS 500      /* per mesh */
#define TZ_MAX_BLOCK_VALUES 16000 /* per tagged block of an object file */
#define TZ_MAX_FILL_POINTS 16     /* largest polygon the fillers accept */

/* Icon of a message; the engine's own messages are warnings. */
#define TZ_ICON_WARNING 1

/* Receives the engine's messages; owner is the window handed to ResizeTrazel, or null. */
typedef void (*TzMessageProc)(void *owner, const char *caption, const char *text, int32_t icon);

/* Called by Trazel for each object it projects: per vertex a needed flag (1: on a front face)
   and a screen point (valid for needed vertices not nearer than the clip distance). */
typedef void (*TzObjectPointProc)(int32_t index, const uint8_t *needed, const TzPoint *points);

/* ---- Platform extensions ------------------------------------------------------------------- */

/* Chooses the display format; only before OpenTrazel. 1 if accepted. */
TRAZEL_API int32_t TzSetDisplayFormat(int32_t format);
/* The display format in use (or chosen for the next OpenTrazel). */
TRAZEL_API int32_t TzGetDisplayFormat(void);
/* Installs the message procedure (null: messages go to standard error); returns the previous one.
 */
TRAZEL_API TzMessageProc TzSetMessageProc(TzMessageProc proc);
/* Paints the back buffer onto target with its top-left corner at (x, y); 1, or 0 if refused. */
TRAZEL_API int32_t TzPresent(cairo_t *target, int32_t x, int32_t y);

/* ---- Context, back buffer and view --------------------------------------------------------- */

/* Opens the engine; messages nonzero shows warnings. 1 if open afterwards. */
TRAZEL_API int32_t OpenTrazel(int32_t messages);
/* Closes the engine, releasing every tracked block (leaks are reported to tzdebug.txt). */
TRAZEL_API void CloseTrazel(void);
/* (Re)creates the back buffer; returns its drawing context, valid until the next successful
   ResizeTrazel or CloseTrazel, or null (the old one stays). In palette mode cairo drawing there
   lies over the fills until TzPresent folds it into the indices in cube colours; TzPatBlt wipes it
   and Font covers it. */
TRAZEL_API cairo_t *ResizeTrazel(void *window, int32_t width, int32_t height);
/* Replaces each back-buffer item given (non-null pointers, numbers > 0; a palette buffer's
   height may be negative for top-down rows); the client keeps them. Drawing is refused, said once,
   where the bits' rows cannot hold the width's RGB24 pixels (palette: A8 indices), also within a
   lent image surface, and presenting in palette mode needs an RGB24 image surface. */
TRAZEL_API void SetVirtualScreen(cairo_t *dc, void *bits, cairo_surface_t *bitmap,
                                 TzPalette *palette, int32_t width, int32_t height, int32_t stride);
/* Stores the back buffer's context, bits, surface and palette into the non-null out pointers. */
TRAZEL_API void GetVirtualScreen(cairo_t **dc, void **bits, cairo_surface_t **bitmap,
                                 TzPalette **palette);
/* In palette mode with a non-null context: the number of palette entries in effect; else 0. */
TRAZEL_API int32_t TzRealizePalette(cairo_t *dc);
/* Projection distance in pixels; set only when > 0. */
TRAZEL_API void SetScreenDistance(float distance);
/* Projection distance in pixels. */
TRAZEL_API float GetScreenDistance(void);
/* Near clipping distance; set only when > 0. */
TRAZEL_API void SetClipDistance(float distance);
/* Near clipping distance. */
TRAZEL_API float GetClipDistance(void);
/* Offset of the projection centre from the back buffer's centre. */
TRAZEL_API void SetCenter(float x, float y);
/* Offset of the projection centre from the back buffer's centre. */
TRAZEL_API void GetCenter(float *x, float *y);
/* Turns object (position and angles) towards target; writes angleZ, angleY, angleX. */
TRAZEL_API void LookAt(ObjectStruct *object, Vector3 target);
/* Sets the drawing mode (3 outside palette mode becomes 2). */
TRAZEL_API void SetModelMode(int32_t mode);
/* The drawing mode. */
TRAZEL_API int32_t GetModelMode(void);
/* Light direction (normalised; null or zero keeps it) and ambient level (kept unless 0..1). */
TRAZEL_API void SetLight(const Vector3 *direction, float ambient);
/* Light direction and ambient level into the non-null out pointers. */
TRAZEL_API void GetLight(Vector3 *direction, float *ambient);

/* ---- Object files and mesh records ------------------------------------------------------------
 */

/* Reads the integers of a tagged block into a new tracked block; returns the count or 0. */
TRAZEL_API int32_t ReadDataInt(int32_t **values, const char *path, const char *tag);
/* Reads the reals of a tagged block into a new tracked block; returns the count or 0. */
TRAZEL_API int32_t ReadDataFloat(float **values, const char *path, const char *tag);
/* Reads the mesh tagged name into data and finishes it (colours, shading vectors); 1 on success. */
TRAZEL_API int32_t ReadObjectData(ObjectData *data, const char *path, const char *name);
/* Recomputes radius, plane normals and flat colours under the current light; 1 on success. */
TRAZEL_API int32_t SetObjectDataColor(ObjectData *data);
/* Computes the per-vertex shading vectors from the plane normals; 1 on success. */
TRAZEL_API int32_t SetObjectDataShadingVector(ObjectData *data);
/* Releases the mesh's blocks and leaves the record empty (counts 0, pointers null). */
TRAZEL_API void FreeObjectData(ObjectData *data);
/* Stores show, shading, position, angles and mesh into object (null: nothing). */
TRAZEL_API void SetObjectStruct(ObjectStruct *object, int32_t show, int32_t shading, float x,
                                float y, float z, int32_t angleZ, int32_t angleY, int32_t angleX,
                                ObjectData *data);

/* ---- Frame and queries --------------------------------------------------------------------- */

/* Draws objects[1..count] seen from the camera objects[0]; returns the polygons listed. */
TRAZEL_API int32_t Trazel(int32_t count, ObjectStruct *objects);
/* Sine of 2*pi*(angle & 4095)/4096, from the engine's table. */
TRAZEL_API float FSin(int32_t angle);
/* Cosine of 2*pi*(angle & 4095)/4096, from the engine's table. */
TRAZEL_API float FCos(int32_t angle);
/* Screen point of a point given relative to the camera; 1, or 0 when nearer than the clip. */
TRAZEL_API int32_t Get2DPoint(const ObjectStruct *camera, Vector3 point, TzPoint *screen);
/* Screen points of count camera-relative points; (-1, -1) for those nearer than the clip. */
TRAZEL_API void Get2DPoints(const ObjectStruct *camera, const Vector3 *points, int32_t count,
                            TzPoint *screen);
/* Screen point of vertex of objects[index] (camera objects[0]); 1, or 0 when not visible. */
TRAZEL_API int32_t Get2DObjectPoint(const ObjectStruct *objects, int32_t index, int32_t vertex,
                                    TzPoint *screen);
/* World position of a vertex of object. */
TRAZEL_API void GetRotatedObjectPoint(const ObjectStruct *object, int32_t vertex, Vector3 *world);
/* World positions of the vertices listed (ended by a negative index). */
TRAZEL_API void GetRotatedObjectPoints(const ObjectStruct *object, const int32_t *vertices,
                                       Vector3 *world);
/* Facing value of every plane of objects[index] (<= 0 faces the camera); 0 if wholly too near. */
TRAZEL_API int32_t IsObversePolygon(const ObjectStruct *objects, int32_t index, float *facing);
/* Installs the per-object projection callback (null: none); returns the callback given. */
TRAZEL_API TzObjectPointProc Set2DObjectPointProc(TzObjectPointProc proc);

/* ---- Fills and text ---------------------------------------------------------------------------
 */

/* Fills a convex polygon with one colour (nearest cube colour in palette mode). */
TRAZEL_API int32_t TzFillPolygon(const TzPoint *points, int32_t count, TzColor color);
/* Fills a convex polygon with the colour's 4x4 ordered dither (solid in true colour). */
TRAZEL_API int32_t TzFillPolygonHalftone(const TzPoint *points, int32_t count, TzColor color);
/* Fills a convex polygon with colours interpolated from one colour per point. */
TRAZEL_API int32_t TzFillPolygonGouraudShading(const TzPoint *points, int32_t count,
                                               const TzColor *colors);
/* Fills the whole back buffer with one colour. */
TRAZEL_API int32_t TzPatBlt(TzColor color);
/* Measures (textColor TZ_NO_COLOR) or draws text at (x, y) anchored by align ("lt", "rb", "c"...);
   height in pixels (0: default); stores the extent in size and returns it. */
TRAZEL_API TzSize *Font(TzSize *size, cairo_t *dc, int32_t x, int32_t y, const char *align,
                        const char *text, TzColor textColor, TzColor backColor, const char *face,
                        int32_t height);

/* ---- Tracked memory ----------------------------------------------------------------------------
 */

/* A new tracked block of size bytes, or null. */
TRAZEL_API void *TzAlloc(int32_t size);
/* Resizes a live tracked block (it may move); null on failure, the old block then stays live. */
TRAZEL_API void *TzReAlloc(void *block, int32_t size);
/* Releases a live tracked block; any other pointer is ignored. Returns block. */
TRAZEL_API void *TzFree(void *block);
/* Releases every live tracked block (never the engine's work memory), listing them in tzdebug.txt
   when messages are on. */
TRAZEL_API void TzAllFree(void);

#ifdef __cplusplus
}
#endif

#endif /* TRAZEL_H */
