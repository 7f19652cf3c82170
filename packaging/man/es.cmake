# SPDX-License-Identifier: GPL-3.0-or-later
# The Spanish words of the manual page (packaging/spectrumix.6.in), name for name as in en.cmake.
set(MAN_DATE "diciembre de 2026")
set(MAN_GAMES "Juegos")
set(MAN_NAME_HEADING "NOMBRE")
set(MAN_SUMMARY "un juego de lógica que enseña a colorear grafos")
set(MAN_SYNOPSIS_HEADING "SINOPSIS")
set(MAN_DESCRIPTION_HEADING "DESCRIPCIÓN")
set(MAN_DESCRIPTION [=[.B spectrumix
es un juego de lógica para escritorio sobre la coloración de grafos.
Cada reto es un grafo aleatorio de 6 a 16 vértices (cuadraditos colocados sobre un círculo),
construido a partir de una coloración oculta con dos, tres o cuatro colores, de modo que
siempre se puede colorear con ese número de colores.
.PP
Elige uno de los botones de color que se ofrecen y haz clic en los vértices para pintarlos.
Ningún clic se rechaza: el vértice en el que haces clic siempre toma el color elegido, y
cualquier vecino que ya tenga ese color vuelve a ser negro y se dibuja la arista que
los une.
El reto está resuelto cuando todos los vértices tienen color a la vez, cosa que solo puede
pasar cuando ninguna arista une dos vértices del mismo color.
Cada reto tiene un par, el número de clics al que debes aspirar.
.PP
Las aristas pueden verse desde el principio o estar ocultas, para descubrirlas con los choques.
El número de vértices y de colores y si se ven las aristas se eligen en la ventana de opciones
(\fBOpciones\fR, \fBAjustes...\fR o Ctrl+Z).
Un modo aprendizaje lleva desde grafos pequeños con las aristas visibles hasta grafos grandes
con las aristas ocultas.
.PP
El juego no usa la red.]=])
set(MAN_OPTIONS_HEADING "OPCIONES")
set(MAN_OPTIONS_INTRO [=[Si se inicia sin argumentos, el juego abre su ventana.
Con una de las opciones de abajo responde por la salida estándar, o escribe la ficha que se le
pide, y termina sin abrir ninguna ventana, así que no necesita pantalla gráfica.
Cualquier otro argumento se rechaza con un mensaje de una línea por la salida de errores
estándar.]=])
set(MAN_HELP_OPTION "Muestra un breve resumen de uso, en el idioma del jugador, y termina.")
set(MAN_VERSION_OPTION [=[Muestra la versión (\fBspectrumix @PROJECT_VERSION@\fR) y termina.]=])
set(MAN_EXIT_HEADING "ESTADO DE SALIDA")
set(MAN_EXIT_SUCCESS "Se cerró el juego, o se respondió a una opción.")
set(MAN_EXIT_USAGE "Se dio un argumento que el juego no conoce.")
set(MAN_FILES_HEADING "ARCHIVOS")
set(MAN_SETTINGS_FILE [=[Los ajustes del jugador y su progreso en el modo aprendizaje; se leen al arrancar el juego y
se escriben al cerrarlo.
Al cerrarse, el juego escribe solo los ajustes que ha cambiado, en el archivo tal como esté en
ese momento: si dos juegos se cierran a la vez, cada uno respeta los cambios del otro, y un valor
editado a mano mientras el juego está abierto se mantiene, salvo que el juego también lo haya
cambiado.
Las demás líneas y secciones se conservan tal cual; los archivos guardados en UTF-16 o UTF-32
con marca de orden de bytes se vuelven a escribir en su codificación, y un archivo cuya
codificación el juego no sabe reconocer, o que ocupa más de 1 MiB, se trata como si tuviera los
valores predeterminados y nunca se reescribe.
Cuando
.B XDG_CONFIG_HOME
no está definida, o no es una ruta absoluta, el archivo es
.IR ~/.config/SpEcTrUmIx.ini .]=])
set(MAN_ENVIRONMENT_HEADING "ENTORNO")
set(MAN_CONFIG_HOME "La carpeta que contiene el archivo de ajustes.")
set(MAN_SEE_ALSO_HEADING "VÉASE TAMBIÉN")
set(MAN_SEE_ALSO [=[La ayuda del propio juego, que se abre desde su menú \fBAyuda\fR (\fBContenido\fR) o con la
tecla F1, explica las reglas, las ideas de la coloración de grafos y estrategias para probar.]=])
set(MAN_LOCK_FILE [=[Junto al archivo de ajustes: queda bloqueado mientras un juego guarda, para que dos guardados
nunca se pisen.
Se queda vacío y se puede borrar mientras ningún juego se esté cerrando.]=])
set(MAN_HISTORY_FILE [=[El historial de todas las partidas valoradas, una línea por partida, que se amplía al terminar
cada partida y se muestra en la ventana de resultados (\fBArchivo\fR, \fBResultados...\fR).
Cada línea guarda también el código del reto y los clics de la partida (hasta 512), para
repasar la partida clic a clic (\fBRepasar\fR en la página \fBProgreso\fR).
Cuando
.B XDG_DATA_HOME
no está definida, o no es una ruta absoluta, el archivo es
.IR ~/.local/share/SpEcTrUmIx/history.tsv .]=])
set(MAN_DATA_HOME "La carpeta que contiene el historial de partidas.")
set(MAN_KEPT_PUZZLE_FILE [=[El reto en curso cuando el juego se cerró por última vez (su código, sus clics hasta entonces y su
tiempo de juego), que vuelve al tablero la próxima vez que se abre el juego. El archivo se escribe de una sola
vez cuando el juego se cierra con un reto en curso, y se borra cuando un juego que lo escribió o lo retomó se
cierra sin ninguno. Un archivo que el juego no puede leer como suyo se renombra como
.I puzzle-in-play.txt.damaged
y el juego empieza con el tablero vacío. A su lado,
.I .puzzle-in-play.txt.lock
se mantiene mientras un juego escribe el archivo.]=])
set(MAN_EXIT_NO_DISPLAY [=[No se pudo abrir ninguna pantalla gráfica (el juego lo dice entonces en una línea por la
salida de errores estándar), o se perdió la pantalla mientras el juego estaba abierto, después
de haber guardado los ajustes.]=])

set(MAN_WORKSHEET_OPTION [=[Guarda en el archivo PDF
.I FILE
una ficha de retos lista para imprimir y termina, sin abrir ninguna ventana ni necesitar pantalla gráfica.
Cada reto muestra sus vértices numerados sobre un círculo, tal como los coloca el tablero, todas
las aristas, el número de colores que hay que usar, su código (al escribirlo en el juego se
obtiene el mismo reto) y una línea para el nombre.
Los retos se generan a partir del reloj, cada uno con su propia lectura repartida a lo largo del día, y no hay dos iguales en una misma ficha;
las aristas se trazan con la densidad de aristas predeterminada del juego, 63.
El archivo se escribe entero o no se escribe.
El juego imprime la misma ficha con \fBArchivo\fR, \fBImprimir retos...\fR (Ctrl+P).]=])
set(MAN_PUZZLES_OPTION "Cuántos retos, de 1 a 60 (predeterminado: 6).")
set(MAN_PER_PAGE_OPTION [=[Cuántos retos por página, 1, 2, 4 o 6 (predeterminado: 4).
Los retos más grandes necesitan más espacio, para que ninguna arista pase por debajo de un vértice: en una
página caben 6 retos de hasta 10 vértices, 4 de hasta 13 y 1 si tienen más.]=])
set(MAN_VERTICES_OPTION [=[Los vértices de cada reto, de 6 a 16, o \fBrandom\fR para elegirlos al azar en cada reto, igual
que se eligen los ajustes al azar de un reto nuevo (predeterminado: 8).]=])
set(MAN_COLORS_OPTION [=[Los colores de cada reto, de 2 a 4, o \fBrandom\fR (predeterminado: 3).]=])
set(MAN_ANSWERS_OPTION [=[Añade las soluciones después de los retos, con la misma disposición: cada vértice relleno de
su color y con el número de ese color, del 1 al 4, para que las soluciones se lean también en
blanco y negro (predeterminado: sin soluciones).]=])
set(MAN_EXIT_UNWRITABLE "O no se pudo escribir el archivo de la ficha (el mensaje dice cuál).")
set(MAN_EXIT_BAD_VALUE "O el valor de una opción está fuera de su rango.")
