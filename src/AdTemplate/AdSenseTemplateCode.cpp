#include "AdTemplate/AdSenseTemplate.h"
#include "AdTemplate/AdFormats.h"
#include "AdTemplate/AdSense.h"
#include "misc/WinUtil.h"
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

// Served over https: a page loaded over https refuses a plain-http script.
static const char kAdScriptAddress[] = "https://pagead2.googlesyndication.com/pagead/show_ads.js";
static const char kAsyncAdScriptAddress[] =
    "https://pagead2.googlesyndication.com/pagead/js/adsbygoogle.js";

const char *ColorToHex(COLORREF cr)
{
    static char szHex[8];
    snprintf(szHex, sizeof(szHex), "%02x%02x%02x", GetRValue(cr), GetGValue(cr), GetBValue(cr));
    return szHex;
}

namespace {

// Appends formatted text to a fixed buffer; whatever does not fit is cut, never overrun.
class CodeWriter {
public:
    CodeWriter(char *szBuf, size_t nCapacity) : m_szBuf(szBuf), m_nCapacity(nCapacity)
    {
        m_szBuf[0] = 0;
    }

    void Write(const char *szFormat, ...)
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

// The IDs may come from a file without their terminator: print at most their field.
const int kIDMax = AD_ID_SIZE - 1;

// The classic ad code: settings in script variables, then the script that writes the ad
// frame where it stands.
void WriteShowAdsScript(CodeWriter &code, const AdSenseInfo &info)
{
    code.Write("      <script type=\"text/javascript\"><!--\r\n");
    code.Write("        google_ad_client = \"%.*s\";\r\n", kIDMax, info.szPubID);
    code.Write("        google_ad_width = %d;\r\n", info.nWidth);
    code.Write("        google_ad_height = %d;\r\n", info.nHeight);
    code.Write("        google_ad_format = \"%s\";\r\n", GetAdFormatCode(&info));
    code.Write("        google_ad_type = \"text\";\r\n");
    code.Write("        google_ad_channel = \"%.*s\";\r\n", kIDMax, info.szChannelID);
    code.Write("        google_color_border = \"%s\";\r\n", ColorToHex(info.crBorder));
    code.Write("        google_color_bg = \"%s\";\r\n", ColorToHex(info.crBG));
    code.Write("        google_color_link = \"%s\";\r\n", ColorToHex(info.crTitle));
    code.Write("        google_color_text = \"%s\";\r\n", ColorToHex(info.crText));
    code.Write("        google_color_url = \"%s\";\r\n", ColorToHex(info.crURL));
    code.Write("      //--></script>\r\n");
    code.Write("      <script type=\"text/javascript\" src=\"%s\"></script>\r\n", kAdScriptAddress);
}

// The asynchronous ad code: the script loads without blocking the page and fills the ins
// element, which already holds the ad's place at its exact size.
void WriteAsyncAdScript(CodeWriter &code, const AdSenseInfo &info)
{
    code.Write("      <script async src=\"%s?client=ca-%.*s\" crossorigin=\"anonymous\"></script>\r\n",
               kAsyncAdScriptAddress, kIDMax, info.szPubID);
    code.Write("      <ins class=\"adsbygoogle\" style=\"display:inline-block;width:%dpx;height:%dpx\" "
               "data-ad-client=\"ca-%.*s\"",
               info.nWidth, info.nHeight, kIDMax, info.szPubID);
    if (info.szChannelID[0])
        code.Write(" data-ad-channel=\"%.*s\"", kIDMax, info.szChannelID);
    code.Write("></ins>\r\n");
    code.Write("      <script>(adsbygoogle = window.adsbygoogle || []).push({});</script>\r\n");
}

}  // namespace

const char *AdSenseTemplate::GetCode(AdCodeStyle nStyle)
{
    CodeWriter code(m_szCode, sizeof(m_szCode));
    // Without a placeholder there is no ad to place.
    if (!m_pAdSense)
        return m_szCode;

    // The table is the exported picture, and the paddings are the placeholder's distances
    // from the picture's edges: they leave exactly the ad's size in the middle, so the ad
    // lands on the placeholder whatever the margins. Browsers in standards mode ignore
    // unitless lengths, hence px; line-height 0 keeps the line box as tall as the ad, where
    // a text line would add a gap for descenders below it.
    RECT rcPic;
    GetPictureRect(&rcPic);
    const long long W = (long long)rcPic.right - rcPic.left;
    const long long H = (long long)rcPic.bottom - rcPic.top;
    const RECT &rcAd = m_pAdSense->m_rcPos;
    const AdSenseInfo &info = m_pAdSense->m_info;
    char szName[AD_PATH_SIZE];
    GetFileBaseName(m_szFile, szName, sizeof(szName));

    code.Write("<table width=\"%lld\" height=\"%lld\" cellpadding=\"0\" cellspacing=\"0\">\r\n", W, H);
    code.Write("  <tr>\r\n");
    code.Write("    <td width=\"%lld\" background=\"images/%s.jpg\">\r\n", W, szName);
    code.Write("      <div align=\"center\" style=\"padding-left:%lldpx;padding-top:%lldpx;"
               "padding-right:%lldpx;padding-bottom:%lldpx;line-height:0\">\r\n",
               (long long)rcAd.left - rcPic.left, (long long)rcAd.top - rcPic.top,
               (long long)rcPic.right - rcAd.right, (long long)rcPic.bottom - rcAd.bottom);
    if (nStyle == AD_CODE_ASYNC)
        WriteAsyncAdScript(code, info);
    else
        WriteShowAdsScript(code, info);
    code.Write("      </div>\r\n");
    code.Write("    </td>\r\n");
    code.Write("  </tr>\r\n");
    code.Write("</table>\r\n");
    return m_szCode;
}
