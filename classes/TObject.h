#pragma once

struct TClassInfo;

// The root of every class that carries published information. Each such class names its
// class record through SORVANE_CLASS (Published.h); ClassInfo gives the record of the most
// derived class, so the loader can find properties, methods and fields by name.
class TObject {
public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static const TClassInfo& StaticClassInfo();
  virtual const TClassInfo& ClassInfo() const;

  const char* ClassName() const;
  bool InheritsFrom(const TClassInfo& ancestor) const;
};
