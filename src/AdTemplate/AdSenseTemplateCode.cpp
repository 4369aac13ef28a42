#include "AdTemplate/AdSenseTemplate.h"
#include "AdTemplate/AdFormats.h"
#include "AdTemplate/AdSense.h"
#include "misc/WinUtil.h"
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

// Served over https: a page loaded over https refuses a plain-http script.
static const char kAdScriptAddress[] = "https://pagead2.googlesyndication.com/pagead/show_ads.js";

const char *ColorToHex(COLORREF cr)
{
    static char szHex[8];
    snprintf(szHex, sizeof(szHex), "%02x%02x%02x", GetRValue(cr), GetGValue(cr), GetBValue(cr));
    return szHex;
}

namespace {

// Appends formatted lines to a fixed buffer; whatever does not fit is cut, never overrun.
class CodeWriter {
public:
    CodeWriter(char *szBuf, size_t nCapacity) : m_szBuf(szBuf), m_nCapacity(nCapacity)
    {
        m_szBuf[0] = 0;
    }

    void Line(const char *szFormat, ...)
    {
        if (m_nUsed + 1 >= m_nCapacity)
            return;
        va_list args;
        va_start(args, szFormat);
        int n = vsnprintf(m_szBuf + m_nUsed, m_nCapacity - m_nUsed, szFormat, args);
        va_end(args);
        if (n < 0)
            return;
        m_nUsed += (size_t)n;
        if (m_nUsed >= m_nCapacity)
            m_nUsed = m_nCapacity - 1;
    }

private:
    char *m_szBuf;
    size_t m_nCapacity;
    size_t m_nUsed = 0;
};

}  // namespace

const char *AdSenseTemplate::GetCode()
{
    CodeWriter code(m_szCode, sizeof(m_szCode));
    // Without a placeholder there is no ad to place.
    if (!m_pAdSense)
        return m_szCode;

    int W = 0, H = 0, L = 0, T = 0, R = 0, B = 0;
    GetPictureSize(&W, &H);
    GetBounds(&L, &T, &R, &B);
    const RECT &rcAd = m_pAdSense->m_rcPos;
    const AdSenseInfo &info = m_pAdSense->m_info;
    char szName[AD_PATH_SIZE];
    GetFileBaseName(m_szFile, szName, sizeof(szName));
    // The IDs may come from a file without their terminator: print at most their field.
    const int nIDMax = AD_ID_SIZE - 1;

    code.Line("<table width=\"%d\" height=\"%d\" cellpadding=\"0\" cellspacing=\"0\">\r\n", W, H);
    code.Line("  <tr>\r\n");
    code.Line("    <td width=\"%d\" background=\"images/%s.jpg\">\r\n", W, szName);
    code.Line("      <div align=\"center\" style=\"padding-left:%lld;padding-top:%lld;"
              "padding-right:%lld;padding-bottom:%lld\">\r\n",
              (long long)rcAd.left - L, (long long)rcAd.top - T,
              (long long)R - rcAd.right, (long long)B - rcAd.bottom);
    code.Line("      <script type=\"text/javascript\"><!--\r\n");
    code.Line("        google_ad_client = \"%.*s\";\r\n", nIDMax, info.szPubID);
    code.Line("        google_ad_width = %d;\r\n", info.nWidth);
    code.Line("        google_ad_height = %d;\r\n", info.nHeight);
    code.Line("        google_ad_format = \"%s\";\r\n", GetAdFormatCode(&info));
    code.Line("        google_ad_type = \"text\";\r\n");
    code.Line("        google_ad_channel = \"%.*s\";\r\n", nIDMax, info.szChannelID);
    code.Line("        google_color_border = \"%s\";\r\n", ColorToHex(info.crBorder));
    code.Line("        google_color_bg = \"%s\";\r\n", ColorToHex(info.crBG));
    code.Line("        google_color_link = \"%s\";\r\n", ColorToHex(info.crTitle));
    code.Line("        google_color_text = \"%s\";\r\n", ColorToHex(info.crText));
    code.Line("        google_color_url = \"%s\";\r\n", ColorToHex(info.crURL));
    code.Line("      //--></script>\r\n");
    code.Line("      <script type=\"text/javascript\" src=\"%s\"></script>\r\n", kAdScriptAddress);
    code.Line("      </div>\r\n");
    code.Line("    </td>\r\n");
    code.Line("  </tr>\r\n");
    code.Line("</table>\r\n");
    return m_szCode;
}
