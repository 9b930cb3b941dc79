// An in-memory stream for the code under test to print to, read back as bytes.
#pragma once

#include <stdio.h>  // open_memstream

#include <cstdlib>
#include <string>

class valjund {
 public:
  valjund() : voog_(open_memstream(&puhver_, &pikkus_)) {}
  ~valjund() {
    std::fclose(voog_);
    std::free(puhver_);
  }
  valjund(const valjund&) = delete;
  valjund& operator=(const valjund&) = delete;

  std::FILE* voog() { return voog_; }

  // Everything printed so far, then forgets it.
  std::string vota() {
    std::fflush(voog_);
    std::string tekst(puhver_, pikkus_);
    std::rewind(voog_);
    std::fflush(voog_);
    return tekst;
  }

 private:
  char* puhver_ = nullptr;
  std::size_t pikkus_ = 0;
  std::FILE* voog_;
};
