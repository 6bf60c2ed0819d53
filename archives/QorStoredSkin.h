// A skin file held as bytes by a component: the window description stores
// the bytes as a "FileData" block, or start-up copies them from the
// program's resources. Nothing here reads the skin file itself.
//
// Every instance is in a process-wide list of stored skins from its
// creation to its destruction.
#pragma once

#include <string>
#include <vector>

#include "framework/base/Streams.h"
#include "framework/components/Component.h"

class TQorStoredSkin : public TComponent {
 public:
  SORTARIUM_CLASS(TQorStoredSkin)
  explicit TQorStoredSkin(TComponent* owner);
  ~TQorStoredSkin() override;

  // Only stored: a running program never loads a file by this name.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& value) { fileName_ = value; }
  // The skin file's bytes.
  TMemoryStream& FileData() { return fileData_; }
  const TMemoryStream& FileData() const { return fileData_; }

 private:
  std::string fileName_;
  TMemoryStream fileData_;
};

// The stored skins alive now, oldest first; empty outside start-up and
// shut-down of the archives.
const std::vector<TQorStoredSkin*>& QorStoredSkins();

// Makes the description reader know TQorStoredSkin and its properties.
void RegisterQorStoredSkinClass();
