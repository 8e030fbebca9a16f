; SPDX-License-Identifier: GPL-3.0-or-later
; The texts of the page that chooses between all users and one user, which NSIS's Romanian file
; lacks. Defined before NSIS's file is read, they take the place of its English fallbacks.
!define MULTIUSER_TEXT_INSTALLMODE_TITLE "Alegerea utilizatorilor"
!define MULTIUSER_TEXT_INSTALLMODE_SUBTITLE "Alegeți pentru ce utilizatori doriți să instalați $(^NameDA)."
!define MULTIUSER_INNERTEXT_INSTALLMODE_TOP "Alegeți dacă doriți să instalați $(^NameDA) doar pentru dumneavoastră sau pentru toți utilizatorii acestui calculator. $(^ClickNext)"
!define MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS "Instalare pentru toți utilizatorii acestui calculator"
!define MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER "Instalare doar pentru mine"
