// Opening and saving whole templates.
//
// Open reads everything into new objects and touches the template only once the whole file
// has been read, so a damaged file leaves the template exactly as it was. SaveAs writes a new
// file beside the target and replaces the target only when every byte is on disk, so a failed
// save never destroys the previous file.
#include "AdTemplate/AdSenseTemplate.h"
#include "AdTemplate/AdObjects.h"
#include "PictraUtil.h"
#include "misc/CxFile.h"

#include <cstring>
#include <memory>
#include <vector>

namespace {

const char kFileTag[] = "AdTemplate";
const int kFileTagLength = sizeof(kFileTag) - 1;

// True when the file starts with the tag text. Nothing after the length is read when the
// length is not the tag's.
bool ReadFileTag(CxFile *pFile)
{
    int nLen;
    char tag[kFileTagLength];
    return pFile->ReadInt(&nLen) && nLen == kFileTagLength && pFile->ReadBuf(tag, sizeof(tag)) &&
           memcmp(tag, kFileTag, sizeof(tag)) == 0;
}

AdObj *NewObjectOfType(int nType)
{
    switch (nType) {
    case OBJ_IMAGE: return new Pictra;
    case OBJ_TEXT: return new AdText;
    case OBJ_LINE: return new AdLine;
    case OBJ_SHADOW: return new AdShadow;
    case OBJ_FRAME: return new AdFrame;
    default: return nullptr;
    }
}

// Only the binding names Temp copies, so only a binding can have made one.
void DeleteTempCopy(const char *szPath)
{
    if (PictraUtil *pUtil = PictraUtil::Get())
        pUtil->DeleteTempFile(szPath);
}

}  // namespace

CxFile *AdSenseTemplate::NewFileObject()
{
    return new CxFile;
}

void AdSenseTemplate::FreeFileObject(CxFile *pFile)
{
    delete pFile;
}

bool IsTemplateFile(const char *szFile)
{
    CxFile file;
    return file.Open(szFile, "rb") && ReadFileTag(&file);
}

bool AdSenseTemplate::Open(const char *szFile)
{
    if (!m_pFile || !szFile || strlen(szFile) >= sizeof(m_szFile))
        return false;
    // The caller may pass m_szFile itself.
    char szPath[sizeof(m_szFile)];
    strcpy(szPath, szFile);
    if (!m_pFile->Open(szPath, "rb"))
        return false;

    // Everything goes to locals first.
    int margins[4];
    int nCount;
    DWORD dwReserved[TEMPLATE_RESERVED_VALUES];
    char szReserved[TEMPLATE_RESERVED_TEXTS][TEMPLATE_RESERVED_TEXT_SIZE] = {};
    bool bOk = ReadFileTag(m_pFile);
    for (int &n : margins)
        bOk = bOk && m_pFile->ReadInt(&n);
    bOk = bOk && m_pFile->ReadInt(&nCount) && nCount >= 0;
    for (DWORD &dw : dwReserved)
        bOk = bOk && m_pFile->ReadDword(&dw);
    for (char *sz : szReserved)
        bOk = bOk && m_pFile->ReadString(sz, TEMPLATE_RESERVED_TEXT_SIZE);

    std::unique_ptr<AdSense> pAdSense(new AdSense);
    bOk = bOk && pAdSense->Load(m_pFile);
    // Each record is dozens of bytes, so a count that lies runs into the end of the file
    // long before memory runs out.
    std::vector<std::unique_ptr<AdObj>> objects;
    for (int i = 0; bOk && i < nCount; ++i) {
        int nType;
        std::unique_ptr<AdObj> pObj;
        bOk = m_pFile->ReadInt(&nType);
        if (bOk)
            pObj.reset(NewObjectOfType(nType));
        bOk = pObj && pObj->Load(m_pFile);
        if (bOk)
            objects.push_back(std::move(pObj));
    }
    m_pFile->Close();
    if (!bOk) {
        // Picture copies unpacked on the way are no one's now, and their names go back.
        m_pFile->DeleteCreatedFiles(DeleteTempCopy);
        return false;
    }
    m_pFile->ForgetCreatedFiles();

    Clear();
    m_nMarginLeft = margins[0];
    m_nMarginRight = margins[1];
    m_nMarginTop = margins[2];
    m_nMarginBottom = margins[3];
    memcpy(m_dwReserved, dwReserved, sizeof(m_dwReserved));
    memcpy(m_szReserved, szReserved, sizeof(m_szReserved));
    m_pAdSense = pAdSense.get();
    Add(pAdSense.release());
    for (std::unique_ptr<AdObj> &pObj : objects)
        Add(pObj.release());
    strcpy(m_szFile, szPath);
    m_bModified = false;
    return true;
}

bool AdSenseTemplate::SaveAs(const char *szFile)
{
    if (!szFile || strlen(szFile) >= sizeof(m_szFile))
        return false;
    // Save passes m_szFile itself.
    char szPath[sizeof(m_szFile)];
    strcpy(szPath, szFile);
    if (!SaveCopy(szPath))
        return false;
    strcpy(m_szFile, szPath);
    m_bModified = false;
    return true;
}

bool AdSenseTemplate::SaveCopy(const char *szPath)
{
    if (!m_pFile || !m_pAdSense || !szPath || strlen(szPath) >= sizeof(m_szFile))
        return false;

    // The count is of the records actually written after the placeholder's.
    int nCount = 0;
    for (AdObj *pObj = GetFirst(); pObj; pObj = GetNext())
        if (pObj->GetType() != OBJ_ADSENSE)
            ++nCount;

    if (!m_pFile->OpenReplacing(szPath))
        return false;
    bool bOk = m_pFile->WriteString(kFileTag) && m_pFile->WriteInt(m_nMarginLeft) &&
               m_pFile->WriteInt(m_nMarginRight) && m_pFile->WriteInt(m_nMarginTop) &&
               m_pFile->WriteInt(m_nMarginBottom) && m_pFile->WriteInt(nCount);
    for (DWORD dw : m_dwReserved)
        bOk = bOk && m_pFile->WriteDword(dw);
    for (const char *sz : m_szReserved)
        bOk = bOk && m_pFile->WriteString(sz, TEMPLATE_RESERVED_TEXT_SIZE);
    bOk = bOk && m_pAdSense->Save(m_pFile);
    for (AdObj *pObj = GetFirst(); bOk && pObj; pObj = GetNext()) {
        if (pObj->GetType() != OBJ_ADSENSE)
            bOk = m_pFile->WriteInt(pObj->GetType()) && pObj->Save(m_pFile);
    }
    if (!bOk || !m_pFile->Commit()) {
        m_pFile->Close();
        return false;
    }
    return true;
}

bool AdSenseTemplate::Save()
{
    return SaveAs(m_szFile);
}
