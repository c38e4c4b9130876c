#include "TGraphicsObject.h"

const TClassInfo& TGraphicsObject::StaticClassInfo() {
  static const TClassInfo info = DescribeClass<TGraphicsObject, TPersistent>("TGraphicsObject");
  return info;
}
