#pragma once
#include "AdTemplate/AdSense.h"
#include "dialog/ObjectDialog.h"

class TemplateHost;

// "AdTemplate AdSense Properties": the ad unit's place, its five ad colours and its
// publisher and channel IDs. It reports whether OK changed anything, so the main window
// marks the template modified only then.
class TfmAdSenseProp : public ObjectDialog {
public:
    // The host shows the confirmed colours in its own swatches; it may be null.
    explicit TfmAdSenseProp(TemplateHost *pHost);
    bool TransferObject(bool bToObject) override;
    bool IsChanged() const override { return FChanged; }
    // Colour kind 1..5 (border, background, title, text, URL) between its swatch and the
    // ad unit; storing a different colour counts as a change.
    void TransferColor(int nKind, bool bToObject);

protected:
    void OnInitDialog() override;

private:
    // Moves the unit so its left (or top) edge is at nValue, keeping its size as far as the
    // int range allows.
    void StoreEdge(LONG *pnStart, LONG *pnEnd, int nValue);
    // An ID field into the unit's record, when its text differs.
    void StoreID(int nEditId, char (&szID)[AD_ID_SIZE]);

    TemplateHost *m_pHost;
    bool FChanged = false;
};
