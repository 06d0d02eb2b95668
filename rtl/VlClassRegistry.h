// The process-wide registry of classes that form files, the designer palette and scripts create by name.
#pragma once

#include "VlClassInfo.h"

#include <initializer_list>
#include <string_view>
#include <vector>

// Registering a class twice is harmless; a different class under a taken name replaces nothing
// and raises EFilerError "A class named %s already exists".
void RegisterClass(const TClassInfo &cls);
void RegisterClasses(std::initializer_list<const TClassInfo *> classes);
void UnRegisterClass(const TClassInfo &cls);
// Letter case ignored; null when unknown.
const TClassInfo *FindClass(std::string_view className);
// As FindClass, but an unknown name raises EClassNotFound "Class %s not found".
const TClassInfo &GetClass(std::string_view className);
// Every registered class, in registration order.
std::vector<const TClassInfo *> RegisteredClasses();
