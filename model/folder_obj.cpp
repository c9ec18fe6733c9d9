#include "model/folder_obj.h"

#include "model/spatch_obj.h"
#include "platform/base/archive.h"

#include <memory>

void CFolderObj::CopyMembersDeep(const CFolderObj& source) {
    for (CBaseObj* member : source.m_members) {
        switch (member->GetObjType()) {
        case objTypePatch: {
            auto* original = static_cast<CSpatchObj*>(member);
            auto* copy = m_ownedCopies.Emplace<CSpatchObj>();
            copy->CopySettings(original);
            copy->AppendGeometry(original, 0);
            copy->SetKey(original->GetKey());
            break;
        }
        case objTypeFolder: {
            const auto* original = static_cast<const CFolderObj*>(member);
            auto* copy = m_ownedCopies.Emplace<CFolderObj>();
            copy->CopyAttributes(*original);
            copy->SetKey(original->GetKey());
            copy->CopyMembersDeep(*original);
            break;
        }
        default:
            break;
        }
    }
}

int CFolderObj::Write(CArchive& ar) const {
    ar << GetName();
    ar << int32_t{GetNoShadow()} << int32_t{GetExport()} << int32_t{IsEditable()} << int32_t{GetShow()}
       << int32_t{GetDoubleIlluminate()} << int32_t{GetNoImage()} << int32_t{GetNoReflection()};
    for (int i = 0; i < 4; ++i) {
        const CVector3 v = GetExtraVector(i);
        ar << v.GetX() << v.GetY() << v.GetZ();
    }
    return 1;
}

int CFolderObj::Read(CArchive& ar) {
    CString name;
    int32_t flags[7];
    ar >> name;
    for (int32_t& flag : flags)
        ar >> flag;
    CVector3 vectors[4];
    for (CVector3& v : vectors) {
        float x, y, z;
        ar >> x >> y >> z;
        v.Set(x, y, z);
    }
    SetName(name);
    SetNoShadow(flags[0]);
    SetExport(flags[1]);
    SetEditable(flags[2]);
    SetShow(flags[3]);
    SetDoubleIlluminate(flags[4]);
    SetNoImage(flags[5]);
    SetNoReflection(flags[6]);
    for (int i = 0; i < 4; ++i)
        SetExtraVector(i, vectors[i]);
    return 1;
}
