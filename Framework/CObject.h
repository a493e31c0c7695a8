// Root of the framework's classes: a virtual destructor, and no copies.
#pragma once

class CObject {
 public:
  virtual ~CObject() = default;
  CObject(const CObject&) = delete;
  CObject& operator=(const CObject&) = delete;

 protected:
  CObject() = default;
};
