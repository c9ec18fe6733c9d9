#include "formats/mdl_format.h"

#include "formats/export_framework.h"
#include "formats/export_text.h"
#include "model/spatch_obj.h"

#include <algorithm>
#include <string>
#include <unordered_map>

namespace {

// The weight of a node is its CP's magnitude times this factor.
constexpr float kWeightPerMagnitude = 0.22f;
constexpr int kSmoothFlag = 0x1;
constexpr int kClosedFlag = 0x4;
// Flags that announce one more number on the CP's first line.
constexpr int kExtraNumberFlags = 0x10 | 0x1000;
// The fewest bytes a spline ("CPs=0") and a CP ("0 1 1", "1" and two
// magnitude lines) take with their separators.
constexpr size_t kMinSplineBytes = 6;
constexpr size_t kMinCpBytes = 8;
constexpr std::string_view kEndMesh = "[ENDMESH]";

void WriteCorner(CExportText& text, float x, float y, float z, char end) {
    text.Fixed(x, 4) << ' ';
    text.Fixed(y, 4) << ' ';
    text.Fixed(z, 4) << end;
}

// The box round every control point of objects; all zero without points.
void WriteBounds(CExportText& text, const std::vector<CSpatchObj*>& objects) {
    CVector3 low, high;
    bool any = false;
    for (const CSpatchObj* obj : objects)
        for (const CPatchVertex* v : obj->GetVertices()) {
            if (!any) {
                low = high = *v;
                any = true;
                continue;
            }
            low = CVector3(std::min(low.GetX(), v->GetX()), std::min(low.GetY(), v->GetY()),
                           std::min(low.GetZ(), v->GetZ()));
            high = CVector3(std::max(high.GetX(), v->GetX()), std::max(high.GetY(), v->GetY()),
                            std::max(high.GetZ(), v->GetZ()));
        }
    const float mx = low.GetX(), my = low.GetY(), mz = low.GetZ();
    const float Mx = high.GetX(), My = high.GetY(), Mz = high.GetZ();
    text << "Bounds=";
    WriteCorner(text, Mx, My, Mz, ' ');
    WriteCorner(text, Mx, My, mz, ' ');
    WriteCorner(text, Mx, my, mz, ' ');
    WriteCorner(text, Mx, my, Mz, ' ');
    WriteCorner(text, mx, My, Mz, ' ');
    WriteCorner(text, mx, My, mz, ' ');
    WriteCorner(text, mx, my, mz, ' ');
    WriteCorner(text, mx, my, Mz, '\n');
}

void WriteGroup(CExportText& text, const CSpatchObj& obj, int firstCp) {
    int count = 0;
    for (const CCurve* curve : obj.GetCurves())
        count += curve->m_nodes.GetCount();
    const uint32_t color = obj.GetColor();
    text << "[GROUP]\nName=" << Cp932Name(obj.GetName()) << "\nHasAttributes=TRUE\nDiffuseColor=";
    text.Fixed(ColorChannel(color, 2), 6) << ' ';
    text.Fixed(ColorChannel(color, 1), 6) << ' ';
    text.Fixed(ColorChannel(color, 0), 6) << "\nCount=";
    text.Int(count) << '\n';
    for (int i = 0; i < count; ++i)
        text.Int(firstCp + i) << '\n';
    text << "[ENDGROUP]\n";
}

// One CP as read.
struct CMdlCp {
    int flags = 0;
    int number = 0;
    bool attached = false;
    int target = 0;
    CVector3 position;
    float weight = 0.3f;
    int line = 0;
};

// "Key=n", "Key= n", "Key =n" or "Key = n" (also with altKey before a glued
// "="); another word is consumed and gives fallback.
int ReadKeyedNumber(CTokenScanner& in, std::string_view key, std::string_view altKey, int fallback) {
    const std::string_view word = in.Word();
    std::string_view number;
    const auto glued = [&](std::string_view name) {
        return word.size() > name.size() + 1 && word.starts_with(name) && word[name.size()] == '=';
    };
    if (word == key) {
        const std::string_view next = in.Word();
        if (next == "=")
            number = in.Word();
        else if (next.size() > 1 && next[0] == '=')
            number = next.substr(1);
        else
            in.Fail(formatProblem::badSyntax);
    } else if (word.size() == key.size() + 1 && word.starts_with(key) && word.back() == '=') {
        number = in.Word();
    } else if (glued(key)) {
        number = word.substr(key.size() + 1);
    } else if (!altKey.empty() && glued(altKey)) {
        number = word.substr(altKey.size() + 1);
    } else {
        return fallback;
    }
    int value = 0;
    if (!ParseWholeInt(number, value))
        in.Fail(formatProblem::notANumber);
    return value;
}

// Words up to and including tag; the end of the file before it throws.
void SkipPast(CTokenScanner& in, std::string_view tag) {
    while (in.Word() != tag) {
    }
}

int CheckedCount(CTokenScanner& in, int count, size_t minBytes) {
    if (count < 0 || static_cast<size_t>(count) > in.Remaining() / minBytes)
        in.Fail(formatProblem::badCount);
    return count;
}

// A magnitude line of one to three numbers; the third sets the weight.
void ReadMagnitudeLine(CTokenScanner& in, CMdlCp& cp) {
    if (in.AtEnd())
        in.Fail(formatProblem::endsEarly);
    const int line = in.Line();
    CTokenScanner numbers(in.RestOfLine());
    std::string_view word;
    float values[3] = {};
    int count = 0;
    while (numbers.TryWord(word)) {
        if (count == 3 || !ParseWholeFloat(word, values[count]))
            throw CFormatError(formatProblem::badSyntax, line);
        ++count;
    }
    if (count == 3)
        cp.weight = values[2] * kWeightPerMagnitude;
}

CMdlCp ReadCp(CTokenScanner& in) {
    CMdlCp cp;
    cp.line = in.Line();
    cp.flags = in.Int();
    const int attached = in.Int();
    cp.number = in.Int();
    if (cp.flags & kExtraNumberFlags)
        in.Float();
    if (attached == 1) {
        cp.attached = true;
        cp.target = in.Int();
    } else {
        const float x = in.Float();
        const float y = in.Float();
        const float z = in.Float();
        cp.position = CVector3(x, y, -z);
    }
    in.RestOfLine();
    ReadMagnitudeLine(in, cp);
    ReadMagnitudeLine(in, cp);
    return cp;
}

// The CP whose position an attached CP takes: along its chain of targets to
// the first CP with a position. A missing target or a loop throws.
size_t ResolveAttachment(const std::vector<CMdlCp>& cps, const std::unordered_map<int, size_t>& byNumber,
                         const CMdlCp& open) {
    const CMdlCp* cp = &open;
    for (size_t steps = 0; steps <= cps.size(); ++steps) {
        const auto found = byNumber.find(cp->target);
        if (found == byNumber.end())
            break;
        if (!cps[found->second].attached)
            return found->second;
        cp = &cps[found->second];
    }
    throw CFormatError(formatProblem::badAttachment, open.line);
}

} // namespace

void WriteMdlDocument(CExportText& text, const std::vector<CSpatchObj*>& objects,
                      const CMdlSettings& settings) {
    text << "[MODELFILE]\nExpanded=TRUE\n[MATERIALS]\n[ENDMATERIALS]\n[OBJECTS]\n[MODEL]\n";
    WriteBounds(text, objects);
    int splines = 0;
    for (const CSpatchObj* obj : objects)
        if (obj->IsExportEffective())
            splines += obj->GetCurves().GetCount();
    text << "[MESH]\nVersion=2\nSplines=";
    text.Int(splines) << '\n';
    int next = 1;
    for (CSpatchObj* obj : objects)
        next = WriteMdlSplines(text, *obj, settings, next);
    text << "[ENDMESH]\n[PATCHES]\nVersion=1\nCount=0\n[ENDPATCHES]\n";
    next = 1;
    for (const CSpatchObj* obj : objects) {
        if (!obj->IsExportEffective())
            continue;
        WriteGroup(text, *obj, next);
        for (const CCurve* curve : obj->GetCurves())
            next += curve->m_nodes.GetCount();
    }
    text << "[ENDMODEL]\n[ENDOBJECTS]\n[ACTIONS]\n[ENDACTIONS]\n[CHOREOGRAPHIES]\n[ENDCHOREOGRAPHIES]\n"
            "[ENDMODELFILE]";
}

int WriteMdlSplines(CExportText& text, CSpatchObj& obj, const CMdlSettings& settings, int firstCp) {
    if (!obj.IsExportEffective())
        return firstCp;
    obj.NumberVertices();
    const size_t points = static_cast<size_t>(obj.GetVertices().GetCount());
    // Per control point: the number of the CP last written on it, 0 for none.
    std::vector<int> last(points, 0);
    int n = firstCp;
    for (const CCurve* curve : obj.GetCurves()) {
        text << "CPs=";
        text.Int(curve->m_nodes.GetCount()) << '\n';
        const CCurvePoint* lastNode = curve->m_nodes.IsEmpty() ? nullptr : curve->m_nodes.GetTail();
        for (const CCurvePoint* node : curve->m_nodes) {
            int flags = node->m_sharp ? 0 : kSmoothFlag;
            if (curve->m_closed && node == lastNode)
                flags |= kClosedFlag;
            const CPatchVertex* v = node->m_vertex;
            const size_t i = static_cast<size_t>(v->m_index);
            const int target = last[i];
            last[i] = n;
            text.Int(flags) << ' ';
            text.Int(target ? 1 : 0) << ' ';
            text.Int(n) << '\n';
            if (target) {
                text.Int(target) << '\n';
            } else {
                text.Fixed(v->GetX(), 5) << ' ';
                text.Fixed(v->GetY(), 5) << ' ';
                text.Fixed(-v->GetZ(), 5) << '\n';
            }
            float magnitude = node->m_weight / kWeightPerMagnitude;
            if (settings.magnitudeMode == mdlMagnitudeCustom)
                magnitude = node->m_sharp ? settings.peakMagnitude : settings.roundMagnitude;
            for (int k = 0; k < 2; ++k) {
                text << "0 0 ";
                text.Fixed(magnitude, 5) << '\n';
            }
            ++n;
        }
    }
    return n;
}

MdlHeader ReadMdlHeader(CTokenScanner& scanner) {
    std::string_view word;
    if (!scanner.TryWord(word) || word != "[MODELFILE]")
        return mdlNotAModel;
    while (scanner.TryWord(word))
        if (word == "[MESH]")
            return ReadKeyedNumber(scanner, "Version", {}, 2) == 2 ? mdlHeaderOk : mdlCannotLoad;
    return mdlCannotLoad;
}

std::unique_ptr<CSpatchObj> ReadMdlSplines(CTokenScanner& scanner) {
    std::vector<std::vector<CMdlCp>> splines;
    std::vector<CMdlCp> cps;
    // A mesh may close without a spline count: none, then.
    const int splineCount =
        CTokenScanner(scanner).Word() == kEndMesh
            ? 0
            : CheckedCount(scanner, ReadKeyedNumber(scanner, "Splines", "Spline", 0), kMinSplineBytes);
    splines.reserve(static_cast<size_t>(splineCount));
    for (int s = 0; s < splineCount; ++s) {
        const int count = CheckedCount(scanner, ReadKeyedNumber(scanner, "CPs", {}, 0), kMinCpBytes);
        std::vector<CMdlCp>& spline = splines.emplace_back();
        spline.reserve(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            spline.push_back(ReadCp(scanner));
        cps.insert(cps.end(), spline.begin(), spline.end());
    }
    // The counted splines end the mesh, and a whole file ends with the
    // model file's closing tag: a file cut short lacks one or the other.
    scanner.Expect(kEndMesh);
    SkipPast(scanner, "[ENDMODELFILE]");

    // A target names the first CP of that number in the file.
    std::unordered_map<int, size_t> byNumber;
    for (size_t i = 0; i < cps.size(); ++i)
        byNumber.emplace(cps[i].number, i);
    std::vector<size_t> sources(cps.size());
    for (size_t i = 0, first = 0; i < splines.size(); first += splines[i].size(), ++i)
        for (size_t k = 0; k < splines[i].size(); ++k) {
            const CMdlCp& cp = cps[first + k];
            sources[first + k] =
                cp.attached && splines[i].size() >= 2 ? ResolveAttachment(cps, byNumber, cp) : first + k;
        }

    auto obj = std::make_unique<CSpatchObj>();
    std::vector<CPatchVertex*> vertices(cps.size(), nullptr);
    for (size_t i = 0; i < cps.size(); ++i)
        if (!cps[i].attached)
            vertices[i] =
                obj->AddVertex(cps[i].position.GetX(), cps[i].position.GetY(), cps[i].position.GetZ());
    for (size_t i = 0, first = 0; i < splines.size(); first += splines[i].size(), ++i) {
        if (splines[i].size() < 2)
            continue;
        CCurve* curve = obj->AddCurve();
        curve->m_closed = (splines[i].back().flags & kClosedFlag) ? 1 : 0;
        for (size_t k = 0; k < splines[i].size(); ++k) {
            const CMdlCp& cp = cps[first + k];
            CCurvePoint* node = obj->AddCurvePoint(curve);
            node->m_sharp = (cp.flags & kSmoothFlag) ? 0 : 1;
            node->m_weight = cp.weight;
            node->m_vertex = vertices[sources[first + k]];
            CVertexLink* link = obj->AddVertexLink(node->m_vertex);
            link->m_curve = curve;
            link->m_node = node;
        }
    }
    obj->UpdateCurveHandles();
    return obj;
}
