#pragma once
// The sample templates of the program folder, one composition per file.
class SampleBuilder;

struct SampleDesign {
    const char *szName;  // the file name without ".atp"
    void (*pfnCompose)(SampleBuilder &builder);
};

// 728 x 90 Leaderboard: the header of a travel blog.
void ComposeTravelLeaderboard(SampleBuilder &builder);
// 160 x 600 Wide Skyscraper: the sidebar of a cooking site.
void ComposeKitchenSkyscraper(SampleBuilder &builder);
// 300 x 250 Medium Rectangle: inside the posts of a book blog.
void ComposeReadingRectangle(SampleBuilder &builder);
// 125 x 125 Button: the sidebar of an astronomy blog.
void ComposeStargazerButton(SampleBuilder &builder);
