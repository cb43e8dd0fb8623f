// Mesh records: reading a mesh from its tagged block, releasing it, and placing instances.
#include <cstring>

#include "messages.h"
#include "numeric.h"
#include "objfile.h"

namespace trazel {
namespace {

// Zeroed, so that a read that stops half way leaves null corner lists and zero counts behind.
template <typename T>
T *AllocateZeroed(int32_t count) {
    size_t size = sizeof(T) * static_cast<size_t>(count);
    void *block = TzAlloc(static_cast<int32_t>(size));
    if (block != nullptr) std::memset(block, 0, size);
    return static_cast<T *>(block);
}

// The values of one object block, handed out in order, with what the messages name.
struct ObjectReader {
    ObjectData &data;
    const float *values;
    int32_t count;
    int32_t next;
    const char *path;
    const char *name;

    // False, with a message, once the block has no value left: counts that ask for more values
    // than the block holds must not lead past its end.
    bool Take(float *value) {
        if (next >= count) {
            ShowMessageFormat(MessageGate::WhenMessagesOn, nullptr,
                              "Object data error. FILE:%s OBJECT:%s\n"
                              "データが足りません。(データ数 %d)",
                              path, name, count);
            return false;
        }
        *value = values[next++];
        return true;
    }
};

// Colour channels keep the low eight bits of the truncated value, as they always have.
uint8_t LowByte(float value) {
    return static_cast<uint8_t>(TruncateToInt32(value) & 0xFF);
}

bool ReadMaterial(ObjectReader &reader, int32_t index, MaterialData &material) {
    float red, green, blue, highlight;
    if (!reader.Take(&red) || !reader.Take(&green) || !reader.Take(&blue) ||
        !reader.Take(&highlight)) {
        return false;
    }
    material.red = LowByte(red);
    material.green = LowByte(green);
    material.blue = LowByte(blue);
    if (!(highlight >= 0.0f && highlight <= 1.0f)) {
        ShowMessageFormat(MessageGate::WhenMessagesOn, nullptr,
                          "Object data error. FILE:%s OBJECT:%s\n"
                          "マテリアル番号%.0fのハイライト強度%fが範囲外です。\n"
                          "0～1で指定して下さい。",
                          reader.path, reader.name, static_cast<double>(index), highlight);
        return false;
    }
    material.highlight = highlight;
    return true;
}

bool ReadMaterials(ObjectReader &reader) {
    float count;
    if (!reader.Take(&count)) return false;
    if (!(count >= 1.0f && count <= TZ_MAX_MATERIALS)) {
        ShowMessageFormat(MessageGate::WhenMessagesOn, nullptr,
                          "Object data error. FILE:%s OBJECT:%s\n"
                          "マテリアル数%.0fは範囲外です。\n1～%dで指定して下さい。",
                          reader.path, reader.name, count, TZ_MAX_MATERIALS);
        return false;
    }
    int32_t materialNum = TruncateToInt32(count);
    MaterialData *materials = AllocateZeroed<MaterialData>(materialNum);
    if (materials == nullptr) return false;
    reader.data.materialNum = materialNum;
    reader.data.material = materials;
    for (int32_t i = 0; i < materialNum; ++i) {
        if (!ReadMaterial(reader, i, materials[i])) return false;
    }
    return true;
}

bool ReadVertices(ObjectReader &reader) {
    float count;
    if (!reader.Take(&count)) return false;
    if (!(count >= 1.0f && count <= TZ_MAX_VERTICES)) {
        ShowMessageFormat(MessageGate::WhenMessagesOn, nullptr,
                          "Object data error. FILE:%s OBJECT:%s\n"
                          "頂点数%.0fは最大頂点数 %d を越えています。",
                          reader.path, reader.name, count, TZ_MAX_VERTICES);
        return false;
    }
    int32_t pntNum = TruncateToInt32(count);
    Vector3 *points = AllocateZeroed<Vector3>(pntNum);
    if (points == nullptr) return false;
    reader.data.pntNum = pntNum;
    reader.data.pnt = points;
    for (int32_t i = 0; i < pntNum; ++i) {
        Vector3 &point = points[i];
        if (!reader.Take(&point.x) || !reader.Take(&point.y) || !reader.Take(&point.z)) {
            return false;
        }
    }
    reader.data.radius = LargestVertexLength(points, pntNum);
    return true;
}

bool ReadCorner(ObjectReader &reader, int32_t planeIndex, int32_t *corner) {
    float vertex;
    if (!reader.Take(&vertex)) return false;
    if (!(vertex >= 0.0f && vertex < reader.data.pntNum)) {
        ShowMessageFormat(MessageGate::WhenMessagesOn, nullptr,
                          "Object data error. FILE:%s OBJECT:%s PlaneNo.%d\n"
                          "頂点番号%.0fは範囲外です。",
                          reader.path, reader.name, planeIndex, vertex);
        return false;
    }
    *corner = TruncateToInt32(vertex);
    return true;
}

bool ReadPlaneMaterial(ObjectReader &reader, int32_t planeIndex, PlaneData &plane) {
    float material;
    if (!reader.Take(&material)) return false;
    if (!(material >= 0.0f && material < reader.data.materialNum)) {
        ShowMessageFormat(MessageGate::WhenMessagesOn, nullptr,
                          "Object data error. FILE:%s OBJECT:%s PlaneNo.%d\n"
                          "マテリアル番号%.0fは範囲外です。",
                          reader.path, reader.name, planeIndex, material);
        return false;
    }
    plane.material = TruncateToInt32(material);
    return true;
}

bool ReadPlane(ObjectReader &reader, int32_t index, PlaneData &plane) {
    float count;
    if (!reader.Take(&count)) return false;
    int32_t corners = TruncateToInt32(count);
    if (corners < kMinPlaneCorners || corners > kMaxPlaneCorners) {
        ShowMessageFormat(MessageGate::WhenMessagesOn, nullptr,
                          "Object data error. FILE:%s OBJECT:%s PlaneNo.%d\n"
                          "角数%dは角数範囲0～%dを越えています。",
                          reader.path, reader.name, index, corners, kMaxPlaneCorners);
        return false;
    }
    plane.pnt = AllocateZeroed<int32_t>(corners);
    if (plane.pnt == nullptr) return false;
    plane.pntNum = corners;
    for (int32_t corner = 0; corner < corners; ++corner) {
        if (!ReadCorner(reader, index, &plane.pnt[corner])) return false;
    }
    return ReadPlaneMaterial(reader, index, plane);
}

bool ReadPlanes(ObjectReader &reader) {
    float count;
    if (!reader.Take(&count)) return false;
    if (!(count >= 0.0f && count <= TZ_MAX_PLANES)) {
        ShowMessageFormat(MessageGate::WhenMessagesOn, nullptr,
                          "Object data error. FILE:%s OBJECT:%s\n"
                          "面数%.0fは最大面数 %d を越えています。",
                          reader.path, reader.name, count, TZ_MAX_PLANES);
        return false;
    }
    int32_t plnNum = TruncateToInt32(count);
    PlaneData *planes = AllocateZeroed<PlaneData>(plnNum);
    if (planes == nullptr) return false;
    reader.data.plnNum = plnNum;
    reader.data.pln = planes;
    for (int32_t i = 0; i < plnNum; ++i) {
        if (!ReadPlane(reader, i, planes[i])) return false;
    }
    return true;
}

}  // namespace

int32_t ReadObjectDataFromStream(std::FILE *file, ObjectData *data, const char *path,
                                 const char *name) {
    if (data == nullptr) return 0;
    path = path != nullptr ? path : "";
    name = name != nullptr ? name : "";
    // Whatever the record held before is not ours to release, but none of it may survive into
    // a half-filled record that the client then hands to FreeObjectData.
    *data = ObjectData{};
    float *values = nullptr;
    int32_t count = ReadDataFloatFromStream(file, &values, path, name);
    if (count == 0) return 0;
    ObjectReader reader{*data, values, count, 0, path, name};
    bool read = ReadMaterials(reader) && ReadVertices(reader) && ReadPlanes(reader);
    TzFree(values);
    if (!read) return 0;
    return SetObjectDataColor(data) == 1 && SetObjectDataShadingVector(data) == 1 ? 1 : 0;
}

}  // namespace trazel

using namespace trazel;

extern "C" int32_t ReadObjectData(ObjectData *data, const char *path, const char *name) {
    if (data == nullptr) return 0;
    *data = ObjectData{};  // empty also when the file does not open, as after any failed read
    std::FILE *file = OpenObjectFile(path);
    if (file == nullptr) return 0;
    int32_t read = ReadObjectDataFromStream(file, data, path, name);
    std::fclose(file);
    return read;
}

extern "C" void FreeObjectData(ObjectData *data) {
    if (data == nullptr) return;
    if (data->pln != nullptr) {
        for (int32_t i = 0; i < data->plnNum; ++i) TzFree(data->pln[i].pnt);
    }
    TzFree(data->pnt);
    TzFree(data->pln);
    TzFree(data->material);
    TzFree(data->shadingVector);
    // An emptied record can be freed again or drawn without touching released memory.
    *data = ObjectData{};
}

extern "C" void SetObjectStruct(ObjectStruct *object, int32_t show, int32_t shading, float x,
                                float y, float z, int32_t angleZ, int32_t angleY, int32_t angleX,
                                ObjectData *data) {
    if (object == nullptr) return;
    object->show = show;
    object->shading = shading;
    object->x = x;
    object->y = y;
    object->z = z;
    object->angleZ = angleZ;
    object->angleY = angleY;
    object->angleX = angleX;
    object->data = data;
}
