// The "Über" tab: the product picture and two lines of text, all from its template.
#pragma once

#include "framework/PropertyPage.h"

class Kestrin_About : public fw::PropertyPage {
 public:
  Kestrin_About();

 protected:
  BOOL OnInitDialog() override;
};
