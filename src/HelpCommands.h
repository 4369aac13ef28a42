#pragma once

// The product's two web pages, under a domain reserved for examples until the site exists.
extern const char *const kHomePageAddress;
extern const char *const kTutorialsPageAddress;

// The help file, then the tutorials page: both always, one after the other.
void OpenHelpContents();
void OpenHomePage();
