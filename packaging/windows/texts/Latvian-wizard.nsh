; SPDX-License-Identifier: GPL-3.0-or-later
; The texts of the page that chooses between all users and one user, which NSIS's Latvian file
; lacks. Defined before NSIS's file is read, they take the place of its English fallbacks.
!define MULTIUSER_TEXT_INSTALLMODE_TITLE "Lietotāju izvēle"
!define MULTIUSER_TEXT_INSTALLMODE_SUBTITLE "Izvēlieties, kuriem lietotājiem uzstādīt $(^NameDA)."
!define MULTIUSER_INNERTEXT_INSTALLMODE_TOP "Izvēlieties, vai uzstādīt $(^NameDA) tikai sev vai visiem šī datora lietotājiem. $(^ClickNext)"
!define MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS "Uzstādīt visiem šī datora lietotājiem"
!define MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER "Uzstādīt tikai man"
