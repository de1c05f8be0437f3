#pragma once

#include "picbutton.h"

// A text label that reacts to clicks (the product label, the bank's author line).
class ClickLabel : public PicButton
{
    Q_OBJECT
public:
    using PicButton::PicButton;
};
