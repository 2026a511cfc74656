#pragma once

// Which image ids make up a status image set. A set holds three images in a fixed order: the
// first (blue) for Done, the second (red) for Failed, the third (gold) for Not yet. Shields and
// flags are the two looks the user chooses between; each comes in two sizes.

enum class StatusImageSize { Small16, Large32 };

struct StatusImageIds
{
    int done;
    int failed;
    int notYet;
};

StatusImageIds StatusIdsFor(bool shields, StatusImageSize size);
