// The template file record of every object kind: a common head (type code, name, rectangle),
// the kind's own fields, and a common tail of reserved values and texts.
//
// A record has no length of its own, so each Load checks what it can (its type code, text
// lengths against their fields, value ranges, the end of the file) and answers false as soon
// as the record cannot be right; the template then drops the whole file.
#include "AdTemplate/AdObjects.h"
#include "PictraUtil.h"
#include "misc/CxFile.h"

#include <cstring>

namespace {

bool WriteRect(CxFile *pFile, const RECT &rc)
{
    return pFile->WriteInt(rc.left) && pFile->WriteInt(rc.top) && pFile->WriteInt(rc.right) &&
           pFile->WriteInt(rc.bottom);
}

// LONG is 32 bits on every Windows target, but not the same type as int.
bool ReadLong(CxFile *pFile, LONG *pnVal)
{
    int n;
    if (!pFile->ReadInt(&n))
        return false;
    *pnVal = n;
    return true;
}

bool ReadRect(CxFile *pFile, RECT *prc)
{
    return ReadLong(pFile, &prc->left) && ReadLong(pFile, &prc->top) &&
           ReadLong(pFile, &prc->right) && ReadLong(pFile, &prc->bottom);
}

bool WritePoint(CxFile *pFile, const POINT &pt)
{
    return pFile->WriteInt(pt.x) && pFile->WriteInt(pt.y);
}

bool ReadPoint(CxFile *pFile, POINT *ppt)
{
    return ReadLong(pFile, &ppt->x) && ReadLong(pFile, &ppt->y);
}

bool WriteHead(CxFile *pFile, const AdObj &obj)
{
    return pFile->WriteInt(obj.m_nType) && pFile->WriteString(obj.m_szName, AD_NAME_SIZE) &&
           WriteRect(pFile, obj.m_rcPos);
}

// The record's own type code must be the kind's: anything else means the reader is out of
// step with the file.
bool ReadHead(CxFile *pFile, AdObj *pObj)
{
    int nType;
    return pFile->ReadInt(&nType) && nType == pObj->m_nType &&
           pFile->ReadString(pObj->m_szName, AD_NAME_SIZE) && ReadRect(pFile, &pObj->m_rcPos);
}

bool WriteTail(CxFile *pFile, const AdReserved &reserved)
{
    for (DWORD dw : reserved.dwValue)
        if (!pFile->WriteDword(dw))
            return false;
    for (const char *sz : reserved.szText)
        if (!pFile->WriteString(sz, AD_RESERVED_TEXT_SIZE))
            return false;
    return true;
}

bool ReadTail(CxFile *pFile, AdReserved *pReserved)
{
    for (DWORD &dw : pReserved->dwValue)
        if (!pFile->ReadDword(&dw))
            return false;
    for (char *sz : pReserved->szText)
        if (!pFile->ReadString(sz, AD_RESERVED_TEXT_SIZE))
            return false;
    return true;
}

// Moves dwSize bytes from one file to the other in small steps, so that no picture has to
// fit in memory. With no target the bytes are only consumed. False when the source runs
// out; a failed write shows in the target's IsFailed.
bool CopyBlock(CxFile *pFrom, CxFile *pTo, DWORD dwSize)
{
    char buf[16384];
    while (dwSize > 0) {
        DWORD dwStep = dwSize < sizeof(buf) ? dwSize : DWORD(sizeof(buf));
        if (!pFrom->ReadBuf(buf, dwStep))
            return false;
        if (pTo && !pTo->IsFailed())
            pTo->WriteBuf(buf, dwStep);
        dwSize -= dwStep;
    }
    return true;
}

// The LOGFONT byte fields travel as 4-byte values; only the low byte is kept.
bool ReadByteField(CxFile *pFile, BYTE *pb)
{
    DWORD dw;
    if (!pFile->ReadDword(&dw))
        return false;
    *pb = static_cast<BYTE>(dw);
    return true;
}

bool ReadColor(CxFile *pFile, COLORREF *pcr)
{
    return pFile->ReadDword(pcr);
}

// Unpacks a picture block of dwSize bytes into a new file of the Temp folder, and answers
// that file's path in szPath (empty when it could not be written). The bytes are consumed
// in any case so that the rest of the record is read in step.
bool UnpackPicture(CxFile *pFile, DWORD dwSize, const char *szExt, char (&szPath)[AD_PATH_SIZE])
{
    szPath[0] = '\0';
    PictraUtil *pUtil = PictraUtil::Get();
    const char *szName = pUtil ? pUtil->MakeTempFileName(szExt) : "";
    if (!*szName || strlen(szName) >= AD_PATH_SIZE)
        return pFile->Skip(dwSize);

    char szTemp[AD_PATH_SIZE];
    strcpy(szTemp, szName);
    // Noted before writing: should the template give up on the file later, this copy goes.
    pFile->NoteCreatedFile(szTemp);
    CxFile out;
    bool bWritten = out.Open(szTemp, "wb");
    if (!CopyBlock(pFile, bWritten ? &out : nullptr, dwSize))
        return false;
    bWritten = bWritten && !out.IsFailed() && out.Close();
    if (bWritten)
        strcpy(szPath, szTemp);
    else
        pUtil->DeleteTempFile(szTemp);
    return true;
}

}  // namespace

// --- AdSense ---------------------------------------------------------------------------

bool AdSense::Save(CxFile *pFile)
{
    if (!pFile)
        return false;
    bool bOk = WriteHead(pFile, *this) && pFile->WriteString(m_info.szPubID, AD_ID_SIZE) &&
               pFile->WriteString(m_info.szChannelID, AD_ID_SIZE) &&
               pFile->WriteInt(m_info.nFormat) && pFile->WriteInt(m_info.nWidth) &&
               pFile->WriteInt(m_info.nHeight) && pFile->WriteDword(m_info.crBorder) &&
               pFile->WriteDword(m_info.crTitle) && pFile->WriteDword(m_info.crBG) &&
               pFile->WriteDword(m_info.crText) && pFile->WriteDword(m_info.crURL);
    const int nCount = GetAdCount();
    bOk = bOk && pFile->WriteInt(nCount);
    for (int i = 0; bOk && i < nCount; ++i) {
        const SampleAd &ad = m_ads[i];
        for (const char *sz : ad.szTitle)
            bOk = bOk && pFile->WriteString(sz, AD_TITLE_SIZE);
        for (const char *sz : ad.szText)
            bOk = bOk && pFile->WriteString(sz, AD_TEXT_SIZE);
        bOk = bOk && pFile->WriteString(ad.szURL, AD_URL_SIZE);
    }
    return bOk && WriteTail(pFile, m_reserved);
}

bool AdSense::Load(CxFile *pFile)
{
    if (!pFile)
        return false;
    int nCount;
    bool bOk = ReadHead(pFile, this) && pFile->ReadString(m_info.szPubID, AD_ID_SIZE) &&
               pFile->ReadString(m_info.szChannelID, AD_ID_SIZE) &&
               pFile->ReadInt(&m_info.nFormat) && pFile->ReadInt(&m_info.nWidth) &&
               pFile->ReadInt(&m_info.nHeight) && ReadColor(pFile, &m_info.crBorder) &&
               ReadColor(pFile, &m_info.crTitle) && ReadColor(pFile, &m_info.crBG) &&
               ReadColor(pFile, &m_info.crText) && ReadColor(pFile, &m_info.crURL) &&
               pFile->ReadInt(&nCount);
    // The unit's fonts depend on its format, and only five sample ads exist.
    if (!bOk || m_info.nFormat < 1 || m_info.nFormat > AD_FORMAT_COUNT || nCount < 0 ||
        nCount > AD_MAX_ADS)
        return false;
    m_nAdCount = nCount;
    for (int i = 0; bOk && i < nCount; ++i) {
        SampleAd &ad = m_ads[i];
        for (char *sz : ad.szTitle)
            bOk = bOk && pFile->ReadString(sz, AD_TITLE_SIZE);
        for (char *sz : ad.szText)
            bOk = bOk && pFile->ReadString(sz, AD_TEXT_SIZE);
        bOk = bOk && pFile->ReadString(ad.szURL, AD_URL_SIZE);
    }
    if (!bOk || !ReadTail(pFile, &m_reserved))
        return false;
    UpdateGdi();
    return true;
}

// --- Pictra ----------------------------------------------------------------------------

bool Pictra::Save(CxFile *pFile)
{
    if (!pFile)
        return false;
    if (!WriteHead(pFile, *this) || !pFile->WriteString(m_szFile, AD_PATH_SIZE) ||
        !pFile->WriteString(m_szExt, AD_EXT_SIZE))
        return false;

    // A picture that cannot be read (deleted, empty, beyond what a size field holds) is
    // stored as an empty block: the rest of the template stays readable. So is a path that
    // names no copy of ours: it came from a template file, and embedding it would carry
    // whatever file it names into the next template the user hands on.
    CxFile picture;
    long long nSize = HasOwnCopy() && picture.Open(m_szFile, "rb") ? picture.GetRemaining() : 0;
    if (nSize <= 0 || nSize > 0x7FFFFFFF)
        nSize = 0;
    if (!pFile->WriteInt(static_cast<int>(nSize)))
        return false;
    // A picture that shrinks while being copied would leave the record out of step.
    if (nSize > 0 && !CopyBlock(&picture, pFile, static_cast<DWORD>(nSize)))
        return false;
    return !pFile->IsFailed() && WriteTail(pFile, m_reserved);
}

bool Pictra::Load(CxFile *pFile)
{
    if (!pFile)
        return false;
    int nSize;
    if (!ReadHead(pFile, this) || !pFile->ReadString(m_szFile, AD_PATH_SIZE) ||
        !pFile->ReadString(m_szExt, AD_EXT_SIZE) || !pFile->ReadInt(&nSize))
        return false;
    if (nSize < 0 || nSize > pFile->GetRemaining())
        return false;
    // An empty block keeps the path stored at saving time.
    if (nSize > 0) {
        char szCopy[AD_PATH_SIZE];
        if (!UnpackPicture(pFile, static_cast<DWORD>(nSize), m_szExt, szCopy))
            return false;
        // A copy that could not be written leaves no path rather than the stored one, which
        // may by now name some other picture of the Temp folder.
        strcpy(m_szFile, szCopy);
    }
    return ReadTail(pFile, &m_reserved);
}

// --- AdText ----------------------------------------------------------------------------

bool AdText::Save(CxFile *pFile)
{
    if (!pFile)
        return false;
    return WriteHead(pFile, *this) && pFile->WriteString(m_szText, AD_CAPTION_SIZE) &&
           pFile->WriteDword(m_crText) && pFile->WriteDword(m_crBack) &&
           pFile->WriteInt(m_nAlign) && pFile->WriteInt(m_lf.lfHeight) &&
           pFile->WriteInt(m_lf.lfWeight) && pFile->WriteDword(m_lf.lfItalic) &&
           pFile->WriteDword(m_lf.lfUnderline) && pFile->WriteDword(m_lf.lfStrikeOut) &&
           pFile->WriteDword(m_lf.lfCharSet) &&
           pFile->WriteString(m_lf.lfFaceName, LF_FACESIZE) && WriteTail(pFile, m_reserved);
}

bool AdText::Load(CxFile *pFile)
{
    if (!pFile)
        return false;
    if (!ReadHead(pFile, this) || !pFile->ReadString(m_szText, AD_CAPTION_SIZE) ||
        !ReadColor(pFile, &m_crText) || !ReadColor(pFile, &m_crBack) ||
        !pFile->ReadInt(&m_nAlign) || !ReadLong(pFile, &m_lf.lfHeight) ||
        !ReadLong(pFile, &m_lf.lfWeight) || !ReadByteField(pFile, &m_lf.lfItalic) ||
        !ReadByteField(pFile, &m_lf.lfUnderline) || !ReadByteField(pFile, &m_lf.lfStrikeOut) ||
        !ReadByteField(pFile, &m_lf.lfCharSet) ||
        !pFile->ReadString(m_lf.lfFaceName, LF_FACESIZE) || !ReadTail(pFile, &m_reserved))
        return false;
    // Caches built before the fields changed would show the old font or colour.
    if (m_hFont)
        UpdateFont();
    if (m_hBrush)
        UpdateBrush();
    return true;
}

// --- AdLine ----------------------------------------------------------------------------

bool AdLine::Save(CxFile *pFile)
{
    if (!pFile)
        return false;
    return WriteHead(pFile, *this) && pFile->WriteInt(m_nWidth) && pFile->WriteInt(m_nStyle) &&
           pFile->WriteDword(m_crLine) && WritePoint(pFile, m_ptStart) &&
           WritePoint(pFile, m_ptEnd) && WriteTail(pFile, m_reserved);
}

bool AdLine::Load(CxFile *pFile)
{
    if (!pFile)
        return false;
    if (!ReadHead(pFile, this) || !pFile->ReadInt(&m_nWidth) || !pFile->ReadInt(&m_nStyle) ||
        !ReadColor(pFile, &m_crLine) || !ReadPoint(pFile, &m_ptStart) ||
        !ReadPoint(pFile, &m_ptEnd) || !ReadTail(pFile, &m_reserved))
        return false;
    if (m_hPen)
        UpdatePen();
    return true;
}

// --- AdShadow --------------------------------------------------------------------------

bool AdShadow::Save(CxFile *pFile)
{
    if (!pFile)
        return false;
    return WriteHead(pFile, *this) && pFile->WriteDword(m_nValue) &&
           WriteTail(pFile, m_reserved);
}

bool AdShadow::Load(CxFile *pFile)
{
    if (!pFile)
        return false;
    return ReadHead(pFile, this) && pFile->ReadDword(&m_nValue) &&
           ReadTail(pFile, &m_reserved);
}

// --- AdFrame ---------------------------------------------------------------------------

bool AdFrame::Save(CxFile *pFile)
{
    if (!pFile)
        return false;
    return WriteHead(pFile, *this) && pFile->WriteInt(m_nFrameType) &&
           pFile->WriteDword(m_crBack) && pFile->WriteInt(m_nLineWidth) &&
           pFile->WriteInt(m_nLineStyle) && pFile->WriteInt(m_nRoundCorner) &&
           pFile->WriteDword(m_crLine) && pFile->WriteString(m_szExtra, AD_PATH_SIZE) &&
           pFile->WriteDword(m_crExtra1) && pFile->WriteDword(m_crExtra2) &&
           pFile->WriteDword(m_nExtra) && WriteTail(pFile, m_reserved);
}

bool AdFrame::Load(CxFile *pFile)
{
    if (!pFile)
        return false;
    if (!ReadHead(pFile, this) || !pFile->ReadInt(&m_nFrameType) ||
        !ReadColor(pFile, &m_crBack) || !pFile->ReadInt(&m_nLineWidth) ||
        !pFile->ReadInt(&m_nLineStyle) || !pFile->ReadInt(&m_nRoundCorner) ||
        !ReadColor(pFile, &m_crLine) || !pFile->ReadString(m_szExtra, AD_PATH_SIZE) ||
        !ReadColor(pFile, &m_crExtra1) || !ReadColor(pFile, &m_crExtra2) ||
        !pFile->ReadDword(&m_nExtra) || !ReadTail(pFile, &m_reserved))
        return false;
    if (m_hPen)
        UpdatePen();
    if (m_hBrush)
        UpdateBrush();
    return true;
}
