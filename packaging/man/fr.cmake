# SPDX-License-Identifier: GPL-3.0-or-later
# The French words of the manual page (packaging/spectrumix.6.in), name for name as in en.cmake.
set(MAN_DATE "décembre 2026")
set(MAN_GAMES "Jeux")
set(MAN_NAME_HEADING "NOM")
set(MAN_SUMMARY "un jeu de réflexion pour apprendre à colorier les graphes")
set(MAN_SYNOPSIS_HEADING "SYNOPSIS")
set(MAN_DESCRIPTION_HEADING "DESCRIPTION")
set(MAN_DESCRIPTION [=[.B spectrumix
est un jeu de réflexion sur la coloration des graphes.
Chaque énigme est un graphe au hasard de 6 à 16 sommets, posés comme de petits carrés sur un
cercle, construit autour d’une coloration cachée à deux, trois ou quatre couleurs, si bien
qu’il peut toujours être colorié avec autant de couleurs.
.PP
Choisis l’un des boutons de couleur proposés et clique sur des sommets pour les colorier.
Un clic n’est jamais refusé : le sommet cliqué prend toujours la couleur choisie, et tout
voisin qui a déjà cette couleur redevient noir, tandis que l’arête entre les deux est
dessinée.
L’énigme est résolue quand tous les sommets sont coloriés en même temps, ce qui n’arrive que
si aucune arête ne relie deux sommets de la même couleur.
Chaque énigme a un par, le nombre de clics à viser.
.PP
Les arêtes peuvent être visibles dès le début, ou cachées et à découvrir grâce aux conflits.
Le nombre de sommets et de couleurs et l’affichage des arêtes se choisissent dans la fenêtre
des réglages (\fBOptions\fR, \fBRéglages...\fR, ou Ctrl+Z).
Un mode apprentissage mène des petits graphes aux arêtes visibles jusqu’aux grands graphes
aux arêtes cachées.
.PP
Le jeu n’utilise pas le réseau.]=])
set(MAN_OPTIONS_HEADING "OPTIONS")
set(MAN_OPTIONS_INTRO [=[Lancé sans argument, le jeu ouvre sa fenêtre.
Avec l’une des options ci-dessous, il répond sur la sortie standard, ou écrit la fiche d’exercices
demandée, et se termine sans ouvrir de fenêtre ; il n’a donc pas besoin d’affichage.
Tout autre argument est refusé avec un message d’une ligne sur la sortie d’erreur standard.]=])
set(MAN_HELP_OPTION "Affiche un court mode d’emploi, dans la langue du joueur, et se termine.")
set(MAN_VERSION_OPTION [=[Affiche la version (\fBspectrumix @PROJECT_VERSION@\fR) et se termine.]=])
set(MAN_EXIT_HEADING "CODE DE RETOUR")
set(MAN_EXIT_SUCCESS "Le jeu a été fermé, ou une option a reçu sa réponse.")
set(MAN_EXIT_USAGE "Un argument que le jeu ne connaît pas a été donné.")
set(MAN_FILES_HEADING "FICHIERS")
set(MAN_SETTINGS_FILE [=[Les réglages du joueur et sa progression dans le mode apprentissage, lus au lancement du jeu
et écrits à sa fermeture.
En se fermant, le jeu n’écrit que les réglages qu’il a changés, dans le fichier tel qu’il est à
ce moment-là : deux jeux qui se ferment ensemble gardent chacun les changements de l’autre, et
une valeur modifiée à la main pendant que le jeu tourne reste, sauf si le jeu l’a changée lui
aussi.
Les autres lignes et sections restent telles quelles ; les fichiers enregistrés en UTF-16 ou
UTF-32 avec une marque d’ordre des octets sont réécrits dans leur codage, et un fichier dont
le jeu ne reconnaît pas le codage, ou qui dépasse 1\~Mio, est lu comme les valeurs par défaut
et n’est jamais réécrit.
Quand
.B XDG_CONFIG_HOME
n’est pas défini, ou n’est pas un chemin absolu, le fichier est
.IR ~/.config/SpEcTrUmIx.ini .]=])
set(MAN_ENVIRONMENT_HEADING "ENVIRONNEMENT")
set(MAN_CONFIG_HOME "Le dossier qui contient le fichier de réglages.")
set(MAN_SEE_ALSO_HEADING "VOIR AUSSI")
set(MAN_SEE_ALSO [=[L’aide du jeu, ouverte depuis son menu \fBAide\fR (\fBSommaire\fR) ou avec la touche F1,
explique les règles, les idées de la coloration des graphes et des stratégies à essayer.]=])
set(MAN_LOCK_FILE [=[À côté du fichier de réglages : tenu pendant qu’un jeu enregistre, pour que deux
enregistrements ne se chevauchent jamais.
Il reste vide et peut être supprimé tant qu’aucun jeu n’est en train de se fermer.]=])
set(MAN_HISTORY_FILE [=[L’historique de chaque partie qui compte, une ligne par partie, ajoutée dès que la partie se
termine ; il s’affiche dans la fenêtre des résultats (\fBFichier\fR, \fBRésultats...\fR).
Chaque ligne garde aussi le code de l’énigme et les clics de la partie (jusqu’à 512), pour
revoir la partie clic par clic (\fBRevoir\fR sur la page \fBProgrès\fR).
Quand
.B XDG_DATA_HOME
n’est pas défini, ou n’est pas un chemin absolu, le fichier est
.IR ~/.local/share/SpEcTrUmIx/history.tsv .]=])
set(MAN_DATA_HOME "Le dossier qui contient l’historique du jeu.")
set(MAN_KEPT_PUZZLE_FILE [=[L’énigme en cours quand le jeu a été fermé la dernière fois (son code, ses clics jusque-là et son temps
de jeu), remise sur le plateau au lancement suivant. Le fichier est écrit d’un seul coup quand le jeu se ferme
avec une énigme en cours, et supprimé quand un jeu qui l’a écrit ou l’a repris se ferme sans énigme en cours.
Un fichier que le jeu ne sait pas lire comme le sien est renommé
.I puzzle-in-play.txt.damaged
et le jeu démarre avec un plateau vide. À côté,
.I .puzzle-in-play.txt.lock
est tenu pendant qu’un jeu écrit le fichier.]=])
set(MAN_EXIT_NO_DISPLAY [=[Aucun affichage n’a pu être ouvert (le jeu le dit alors en une ligne sur la sortie d’erreur
standard), ou l’affichage a été perdu pendant que le jeu tournait, après l’enregistrement des
réglages.]=])

set(MAN_WORKSHEET_OPTION [=[Écrit dans le fichier PDF
.I FILE
une fiche d’exercices à imprimer et se termine, sans ouvrir de fenêtre ni avoir besoin
d’affichage.
Chaque énigme montre ses sommets numérotés sur un cercle, placés comme sur le plateau, toutes
ses arêtes, le nombre de couleurs à utiliser, son code (tapé dans le jeu, il redonne la même
énigme) et une ligne pour le nom.
Les énigmes sont tirées à partir de l’horloge, chacune d’une lecture à elle, répartie sur la journée, et une fiche
n’en contient jamais deux pareilles ; les arêtes sont tirées avec la densité d’arêtes par défaut
du jeu, 63.
Le fichier est écrit en entier ou pas du tout.
Le jeu imprime la même fiche avec \fBFichier\fR, \fBImprimer des énigmes...\fR (Ctrl+P).]=])
set(MAN_PUZZLES_OPTION "Le nombre d’énigmes, de 1 à 60 (6 par défaut).")
set(MAN_PER_PAGE_OPTION [=[Le nombre d’énigmes par page, 1, 2, 4 ou 6 (4 par défaut).
Les grandes énigmes demandent plus de place, pour qu’aucune arête ne passe sous un sommet : une page
contient 6 énigmes de 10 sommets au plus, 4 de 13 au plus, et 1 au-delà.]=])
set(MAN_VERTICES_OPTION [=[Le nombre de sommets de chaque énigme, de 6 à 16, ou \fBrandom\fR pour le tirer au hasard à
chaque énigme, comme le fait une nouvelle énigme avec le réglage \fBSommets au hasard\fR (8 par
défaut).]=])
set(MAN_COLORS_OPTION [=[Le nombre de couleurs de chaque énigme, de 2 à 4, ou \fBrandom\fR (3 par défaut).]=])
set(MAN_ANSWERS_OPTION [=[Ajoute le corrigé après les énigmes, disposé de la même façon : chaque sommet rempli de sa
couleur et portant le numéro de cette couleur, de 1 à 4, pour que le corrigé se lise aussi en
noir et blanc (par défaut : sans corrigé).]=])
set(MAN_EXIT_UNWRITABLE "Ou le fichier de la fiche d’exercices n’a pas pu être écrit (le message le nomme).")
set(MAN_EXIT_BAD_VALUE "Ou la valeur d’une option sort de ses limites.")
