#pragma once
// CMdlExporter: File > Export > AnimationMaster and File > Import >
// AnimationMaster. Built on the stack by the document's command handler and
// used once.
//
// Export asks for the magnitude settings and the file, then writes the
// curves of every exportable patch object as splines (mdl_format.h). Import
// takes a file named .mdl or .MDL, reads and checks the whole file first,
// and only then adds one patch object named after the file, as one undo
// step; a file that is no model, is damaged or was cut short gets a message
// and changes nothing.
#include "formats/exchange_ui.h"

class CQuelDoc;

class CMdlExporter {
public:
    virtual ~CMdlExporter() = default;

    void Export(CExchangeUi& ui);
    void Import(CExchangeUi& ui);
    // The steps after the dialogs; TRUE when the file was written or read.
    BOOL ExportTo(CQuelDoc& doc, const CString& path, const CMdlSettings& settings);
    BOOL ImportFrom(CQuelDoc& doc, const CString& path);

    // While the document has a patch object; import always.
    BOOL CanExport() const;
    BOOL CanImport() const { return TRUE; }
};
