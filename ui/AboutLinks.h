#pragma once
// The maker's addresses and the about panel's own texts, kept in one place.

/// Mail address behind the "EMail: " link.
inline constexpr char kMakerMail[] = "author@example.org";
/// Web address behind the "URL: " link.
inline constexpr char kMakerUrl[] = "https://example.org/";
/// The author line of the about panel.
inline constexpr char kAuthorLine[] = "By the Kestrow developers";
/// The rights notice of the about panel.
inline constexpr char kRightsNotice[] = "Free to use and to share.";
