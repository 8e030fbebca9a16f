; SPDX-License-Identifier: GPL-3.0-or-later
; The texts of the page that chooses between all users and one user, which NSIS's Lithuanian file
; lacks. Defined before NSIS's file is read, they take the place of its English fallbacks.
!define MULTIUSER_TEXT_INSTALLMODE_TITLE "Naudotojų pasirinkimas"
!define MULTIUSER_TEXT_INSTALLMODE_SUBTITLE "Pasirinkite, kuriems naudotojams įdiegti $(^NameDA)."
!define MULTIUSER_INNERTEXT_INSTALLMODE_TOP "Pasirinkite, ar įdiegti $(^NameDA) tik sau, ar visiems šio kompiuterio naudotojams. $(^ClickNext)"
!define MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS "Įdiegti visiems šio kompiuterio naudotojams"
!define MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER "Įdiegti tik man"
