// Window-description reader under libFuzzer: any text either reads into a
// fresh form or fails with the framework's exception; a text the parser
// refuses must not read.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/backend/headless/HeadlessBackend.h"
#include "framework/base/Exceptions.h"
#include "framework/components/Application.h"
#include "framework/streaming/Parser.h"
#include "framework/streaming/Reader.h"
#include "skin/sSkinManager.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InstallHeadlessBackend({640, 480});
  InitializeFramework();
  RegisterFrameworkClasses();
  RegisterSkinClasses();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  bool parsed = true;
  try {
    TParser parser(text, "fuzz");
    TParseEvent event;
    while (parser.Next(event)) {
    }
  } catch (const EReadError&) {
    parsed = false;
  }

  TForm* form = Application->CreateForm<TForm>();
  bool read = true;
  try {
    TReader(text, "fuzz").ReadRootComponent(form);
  } catch (const Exception&) {
    read = false;
  }
  // What the parser refuses the reader refuses too, and either way nothing
  // is left half-loaded.
  if (!parsed && read) std::abort();
  if (form->IsLoading() || form->IsReading()) std::abort();
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (form->Components(i)->IsLoading() || form->Components(i)->IsReading()) std::abort();
  TComponent::Free(form);
  return 0;
}
