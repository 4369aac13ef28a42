// Stands in for AdSense's show_ads.js: writes the ad frame where the script stands, sized by
// the page's google_ad_width and google_ad_height, as the real script does. The frame stays
// empty, and so transparent, over a background of one solid colour the checks look for.
document.write('<iframe width="' + google_ad_width + '" height="' + google_ad_height + '"' +
    ' frameborder="0" marginwidth="0" marginheight="0" vspace="0" hspace="0" scrolling="no"' +
    ' style="background:#ff00ff"></iframe>');
