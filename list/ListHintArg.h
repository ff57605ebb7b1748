#pragma once

// The object that travels with a view update hint: the photo of hint 4, the cell of hint 8.
struct ListHintArg
{
    int photo = -1;
    int column = -1;
    int row = -1;
};
