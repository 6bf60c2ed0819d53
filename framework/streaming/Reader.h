// The window-description reader. A description is text:
//
//   object Form1: TForm1
//     Left = 188
//     Caption = 'Сортарий'
//     Font.Height = -11
//     BorderIcons = [biSystemMenu, biMinimize]
//     OnCreate = FormCreate
//     object sPanel1: TsPanel
//       Items.Strings = (
//         'возрастанию'
//         'убыванию')
//     end
//   end
//
// Values: integers (decimal or $hex), reals, single-quoted UTF-8 strings
// ('' is a quote; #NNN is a character by code; parts joined with +),
// identifiers, sets [a, b], string lists ( 'a' 'b' ), collections
// < item ... end item ... end > and binary blocks { hex digits }.
//
// Names, keywords and identifiers ignore ASCII case. "inherited" and
// "inline" open an object like "object"; an object may lack a name
// ("object TTimer"). Objects and collections nest at most 64 deep.
//
// Reading creates the components in stored order with the root form as
// owner and the enclosing control as parent, marks them loading and reading
// while their properties are set, then runs Loaded on every component in
// creation order (the root first). The root's class in the text must be its
// own class or a registered ancestor. The form's OnCreate is not the
// reader's business: the form runs DoCreate once the read is done.
//
// Errors throw EReadError "<source> line N: <what>"; a failed read leaves
// the components made so far with their owner, none of them marked as
// loading or reading, and Loaded not called.
#pragma once

#include <string>
#include <vector>

#include "framework/components/Component.h"
#include "framework/streaming/ClassRegistry.h"

class TReader {
 public:
  // `sourceName` names the description in error messages.
  TReader(std::string text, std::string sourceName);

  // Reads the description into an existing root (the form under construction).
  void ReadRootComponent(TComponent* root);

  TComponent* Root() const { return root_; }
  const std::string& SourceName() const { return sourceName_; }
  // The component whose properties are being read.
  TComponent* Current() const { return current_; }
  // Throws EReadError "<source> line N: message".
  [[noreturn]] void Error(int line, const std::string& message) const;
  // Binds an event property value (a method name of the root) to a handler.
  TNotifyEvent BindMethod(const TPropValue& value) const;
  // Sets the property at the dotted `path` of `object`, whose registered
  // class is `className`, going through sub-objects ("Font.Height"). False
  // when no registered property has that name; setter failures propagate.
  bool SetObjectProperty(TPersistent* object, std::string className, const std::string& path,
                         const TPropValue& value);

 private:
  std::string text_;
  std::string sourceName_;
  TComponent* root_ = nullptr;
  TComponent* current_ = nullptr;

  friend class TReaderImpl;
};

// Reads the compiled-in description named `resourceName` into `root`
// (EResNotFound when there is none).
void ReadComponentResource(TComponent* root, const std::string& resourceName);
