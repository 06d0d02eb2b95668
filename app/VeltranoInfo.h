// Product facts shown by the about box and used for the mail link; the contact address lives here.
#pragma once

namespace VeltranoInfo {
inline constexpr const char *ProductName = "Veltrano";
inline constexpr const char *Version = "Версия 1.0";
inline constexpr const char *KernelVersion = "1.0.0";
inline constexpr const char *UpdateDate = "09.12.2026";
inline constexpr const char *Author = "Автор: команда Veltrano";
inline constexpr const char *Maker = "Veltrano Lab";
inline constexpr const char *ContactAddress = "support@veltrano.example";
} // namespace VeltranoInfo
