// The patch object's two records in the document file: the object record
// (geometry and main switches) and the option record (see-through, mirror and
// polygonize settings).
#include "model/spatch_obj.h"
#include "platform/base/archive.h"

#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kAnyCount = std::numeric_limits<int>::max();
// The fewest bytes a point, a curve, a node and a link take in the record,
// so a count the rest of the file cannot hold is refused before anything is built.
constexpr size_t kPointBytes = 16;
constexpr size_t kCurveBytes = 12;
constexpr size_t kNodeBytes = 12;
constexpr size_t kLinkBytes = 8;

int32_t ReadInt(CArchive& ar) {
    int32_t v = 0;
    ar >> v;
    return v;
}

// A number that must name one of count elements.
int ReadNumber(CArchive& ar, int count, const char* what) {
    const int32_t n = ReadInt(ar);
    if (n < 0 || n >= count)
        ar.Fail(CArchiveException::badSchema,
                std::string(what) + " " + std::to_string(n) + " of " + std::to_string(count));
    return n;
}

// Finds where an object record ends without building anything: counts are
// read, the elements they count skipped. Any count that cannot be right, or
// a record running past the bytes, leaves it not Ok.
class CRecordSkim {
public:
    explicit CRecordSkim(std::string_view bytes) : m_bytes(bytes) {}

    bool Ok() const { return m_ok; }
    size_t Position() const { return m_pos; }

    void Skip(size_t size) {
        if (!m_ok || size > m_bytes.size() - m_pos)
            m_ok = false;
        else
            m_pos += size;
    }
    void Skip(int64_t count, size_t bytesEach) {
        if (count < 0 || static_cast<uint64_t>(count) > (m_bytes.size() - m_pos) / bytesEach)
            m_ok = false;
        else
            Skip(static_cast<size_t>(count) * bytesEach);
    }
    // A 32-bit count; -1 once the skim went wrong.
    int64_t Count() {
        const uint64_t v = Unsigned(4);
        return m_ok ? static_cast<int32_t>(static_cast<uint32_t>(v)) : -1;
    }
    // A string as the archive stores it: a length prefix and its bytes.
    void SkipString() {
        uint64_t length = Unsigned(1);
        if (length == 0xFF) {
            length = Unsigned(2);
            if (length == 0xFFFE)
                m_ok = false;
            else if (length == 0xFFFF)
                length = Unsigned(4);
        }
        Skip(static_cast<size_t>(length));
    }

private:
    uint64_t Unsigned(size_t size) {
        if (!m_ok || size > m_bytes.size() - m_pos) {
            m_ok = false;
            return 0;
        }
        uint64_t v = 0;
        for (size_t i = 0; i < size; ++i)
            v |= static_cast<uint64_t>(static_cast<unsigned char>(m_bytes[m_pos + i])) << (8 * i);
        m_pos += size;
        return v;
    }

    std::string_view m_bytes;
    size_t m_pos = 0;
    bool m_ok = true;
};

} // namespace

int CSpatchObj::Write(CArchive& ar, const CString& partnerName) {
    NumberVertices();
    NumberCurves();
    ar << GetName() << GetColor();
    ar << int32_t{GetNoShadow()} << int32_t{GetExport()} << int32_t{m_smoothing} << int32_t{IsEditable()}
       << int32_t{GetShow()} << int32_t{GetDoubleIlluminate()} << int32_t{GetMotionBlur()};
    ar << partnerName << int32_t{GetHollow()};

    const int32_t pointCount = m_vertices.GetCount();
    ar << pointCount;
    for (const CPatchVertex* v : m_vertices)
        ar << v->GetX() << v->GetY() << v->GetZ() << int32_t{v->m_visible};
    ar << int32_t{m_curves.GetCount()};
    for (const CCurve* curve : m_curves) {
        ar << int32_t{curve->m_closed} << int32_t{curve->m_curveWord} << int32_t{curve->m_nodes.GetCount()};
        for (const CCurvePoint* node : curve->m_nodes)
            ar << int32_t{node->m_sharp} << node->m_weight << int32_t{node->m_vertex->m_index};
    }
    ar << pointCount;
    for (const CPatchVertex* v : m_vertices) {
        ar << int32_t{v->m_links.GetCount()};
        for (const CVertexLink* link : v->m_links)
            ar << int32_t{link->m_curve->m_number} << int32_t{link->m_node->m_number};
    }
    return 1;
}

int CSpatchObj::Read(CArchive& ar, CString& partnerName) {
    ReadHeader(ar, partnerName);
    ReadGeometry(ar);
    UpdateCurveHandles();
    return 1;
}

void CSpatchObj::ReadHeader(CArchive& ar, CString& partnerName) {
    CString name;
    uint32_t color = 0;
    ar >> name >> color;
    int32_t flags[7];
    for (int32_t& flag : flags)
        ar >> flag;
    ar >> partnerName;
    const int32_t hollow = ReadInt(ar);
    SetName(name);
    SetColor(color);
    SetNoShadow(flags[0]);
    SetExport(flags[1]);
    SetSmoothing(flags[2]);
    SetEditable(flags[3]);
    SetShow(flags[4]);
    SetDoubleIlluminate(flags[5]);
    SetMotionBlur(flags[6]);
    SetHollow(hollow);
}

void CSpatchObj::ReadGeometry(CArchive& ar) {
    std::vector<CPatchVertex*> points(ar.ReadCount(kAnyCount, kPointBytes));
    for (CPatchVertex*& point : points) {
        float x, y, z;
        ar >> x >> y >> z;
        point = AddVertex(x, y, z);
        ar >> point->m_visible;
    }
    const int pointCount = static_cast<int>(points.size());

    std::vector<std::vector<CCurvePoint*>> curves(ar.ReadCount(kAnyCount, kCurveBytes));
    std::vector<CCurve*> curveOf(curves.size());
    size_t nodeCount = 0;
    for (size_t c = 0; c < curves.size(); ++c) {
        CCurve* curve = curveOf[c] = AddCurve();
        ar >> curve->m_closed >> curve->m_curveWord;
        curves[c].resize(ar.ReadCount(kAnyCount, kNodeBytes));
        for (CCurvePoint*& node : curves[c]) {
            node = AddCurvePoint(curve);
            ar >> node->m_sharp >> node->m_weight;
            node->m_vertex = points[ReadNumber(ar, pointCount, "curve node on point")];
        }
        nodeCount += curves[c].size();
    }

    if (ReadInt(ar) != pointCount)
        ar.Fail(CArchiveException::badSchema, "point count of the links differs from the points");
    // Every node must be linked exactly once, from its own point: the edits
    // find a point's curves through its links and would otherwise keep nodes
    // on a deleted point.
    std::vector<std::vector<char>> linked(curves.size());
    for (size_t c = 0; c < curves.size(); ++c)
        linked[c].assign(curves[c].size(), 0);
    size_t linkCount = 0;
    for (CPatchVertex* point : points) {
        const int links = ar.ReadCount(kAnyCount, kLinkBytes);
        for (int k = 0; k < links; ++k) {
            const int c = ReadNumber(ar, static_cast<int>(curves.size()), "link to curve");
            const int n = ReadNumber(ar, static_cast<int>(curves[c].size()), "link to node");
            CCurvePoint* node = curves[c][n];
            if (node->m_vertex != point || linked[c][n])
                ar.Fail(CArchiveException::badSchema, "link to a node of another point");
            linked[c][n] = 1;
            CVertexLink* link = AddVertexLink(point);
            link->m_curve = curveOf[c];
            link->m_node = node;
            ++linkCount;
        }
    }
    if (linkCount != nodeCount)
        ar.Fail(CArchiveException::badSchema, "curve nodes without a link");
}

bool CSpatchObj::MeasureRecord(std::string_view bytes, size_t& headerBytes, size_t& recordBytes) {
    CRecordSkim skim(bytes);
    skim.SkipString();
    skim.Skip(4 + 7 * 4);
    skim.SkipString();
    skim.Skip(4);
    headerBytes = skim.Position();
    const int64_t pointCount = skim.Count();
    skim.Skip(pointCount, kPointBytes);
    const int64_t curveCount = skim.Count();
    for (int64_t c = 0; c < curveCount && skim.Ok(); ++c) {
        skim.Skip(8);
        skim.Skip(skim.Count(), kNodeBytes);
    }
    if (skim.Count() != pointCount)
        return false;
    for (int64_t p = 0; p < pointCount && skim.Ok(); ++p)
        skim.Skip(skim.Count(), kLinkBytes);
    recordBytes = skim.Position();
    return skim.Ok();
}

int CSpatchObj::WriteOptions(CArchive& ar) const {
    ar << int32_t{m_fivePointOn} << int32_t{GetSeeThrough()} << int32_t{GetSeeThroughAmount()}
       << int32_t{GetNoImage()} << int32_t{GetNoReflection()} << int32_t{GetMirrorMode()}
       << GetMirrorLimitDistance() << int32_t{GetMirrorLimit()};
    for (int i = 0; i < 3; ++i)
        ar << int32_t{GetMirrorAxis(i)};
    ar << int32_t{m_polygonize} << int32_t{m_division} << int32_t{m_smoothOn} << m_smoothAngle
       << int32_t{m_subdivisionOn} << int32_t{m_subdivisionCount};
    return 1;
}

int CSpatchObj::ReadOptions(CArchive& ar) {
    int32_t fivePointOn, seeThrough, seeThroughAmount, noImage, noReflection, mirrorMode, mirrorLimit;
    float mirrorLimitDistance;
    int32_t axes[3];
    ar >> fivePointOn >> seeThrough >> seeThroughAmount >> noImage >> noReflection >> mirrorMode >>
        mirrorLimitDistance >> mirrorLimit >> axes[0] >> axes[1] >> axes[2];
    int32_t polygonize, division, smoothOn, subdivisionOn, subdivisionCount;
    float smoothAngle;
    ar >> polygonize >> division >> smoothOn >> smoothAngle >> subdivisionOn >> subdivisionCount;
    // Applied only once the whole record was read.
    m_fivePointOn = fivePointOn;
    SetSeeThrough(seeThrough);
    SetSeeThroughAmount(seeThroughAmount);
    SetNoImage(noImage);
    SetNoReflection(noReflection);
    SetMirrorMode(mirrorMode);
    SetMirrorLimitDistance(mirrorLimitDistance);
    SetMirrorLimit(mirrorLimit);
    for (int i = 0; i < 3; ++i)
        SetMirrorAxis(i, axes[i]);
    m_polygonize = polygonize;
    m_division = division;
    m_smoothOn = smoothOn;
    m_smoothAngle = smoothAngle;
    m_subdivisionOn = subdivisionOn;
    m_subdivisionCount = subdivisionCount;
    return 1;
}
