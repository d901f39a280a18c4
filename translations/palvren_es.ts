<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Check</name>
    <message>
        <source>Same e-mail: %1</source>
        <translation>Mismo correo electrónico: %1</translation>
    </message>
    <message>
        <source>Same telephone and name: %1, %2</source>
        <translation>Mismo teléfono y mismo nombre: %1, %2</translation>
    </message>
    <message>
        <source>Same address and name: %1, %2</source>
        <translation>Misma dirección y mismo nombre: %1, %2</translation>
    </message>
    <message>
        <source>PASS 1 - Checking Redundancies %1 of %2</source>
        <translation>PASADA 1 – Buscando duplicados: %1 de %2</translation>
    </message>
    <message>
        <source>exact (the same e-mail, or the same telephone or address and the same name)</source>
        <translation>exacta (el mismo correo, o el mismo teléfono o dirección y el mismo nombre)</translation>
    </message>
    <message>
        <source>tolerant (case, spacing, accents, number format)</source>
        <translation>tolerante (mayúsculas, espacios, acentos, formato de número)</translation>
    </message>
    <message>
        <source>, default country code +%1</source>
        <translation>, prefijo de país predeterminado +%1</translation>
    </message>
    <message>
        <source>decided by you</source>
        <translation>decidido por usted</translation>
    </message>
    <message>
        <source>decided by an answer for all remaining conflicts</source>
        <translation>decidido por una respuesta para todos los conflictos restantes</translation>
    </message>
    <message>
        <source>no conflict to decide</source>
        <translation>ningún conflicto que decidir</translation>
    </message>
    <message numerus="yes">
        <source>%n Contacts Removed</source>
        <translation>
            <numerusform>%n contacto eliminado</numerusform>
            <numerusform>%n contactos eliminados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pass 1 redundancy operation removed %n contacts.</source>
        <translation>
            <numerusform>La pasada 1 de la búsqueda de duplicados eliminó %n contacto.</numerusform>
            <numerusform>La pasada 1 de la búsqueda de duplicados eliminó %n contactos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pass 1 Completed</source>
        <translation>Pasada 1 completada</translation>
    </message>
    <message>
        <source>Matching for Pass 2:</source>
        <translation>Coincidencia para la pasada 2:</translation>
    </message>
    <message>
        <source>Would you like to continue to Pass 2?</source>
        <translation>¿Desea continuar con la pasada 2?</translation>
    </message>
    <message numerus="yes">
        <source>Pass 2 redundancy operation removed %n additional contacts.</source>
        <translation>
            <numerusform>La pasada 2 de la búsqueda de duplicados eliminó %n contacto más.</numerusform>
            <numerusform>La pasada 2 de la búsqueda de duplicados eliminó %n contactos más.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pass 2 Completed</source>
        <translation>Pasada 2 completada</translation>
    </message>
    <message>
        <source>Performing Contact Cleaner...</source>
        <translation>Limpiando los contactos…</translation>
    </message>
    <message>
        <source>Loading File Data...</source>
        <translation>Cargando los datos del archivo…</translation>
    </message>
    <message>
        <source>Writing Output Files...</source>
        <translation>Escribiendo los archivos de salida…</translation>
    </message>
    <message>
        <source>%1 contacts read, %2 identical contacts removed, %3 similar contacts merged, %4 contacts written.</source>
        <translation>%1 contactos leídos, %2 contactos idénticos eliminados, %3 contactos similares fusionados, %4 contactos escritos.</translation>
    </message>
    <message>
        <source>Contact (%1)</source>
        <translation>Contacto (%1)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Both removed (Keep Neither), </source>
        <translation>Ambos eliminados (No conservar ninguno), </translation>
    </message>
    <message>
        <source>Merged, </source>
        <translation>Fusionados, </translation>
    </message>
    <message>
        <source>PASS 2 - Checking Redundancies %1 of %2</source>
        <translation>PASADA 2 – Buscando duplicados: %1 de %2</translation>
    </message>
    <message>
        <source>Same e-mail ignoring case: %1</source>
        <translation>Mismo correo sin distinguir mayúsculas: %1</translation>
    </message>
    <message>
        <source>Same telephone number and name folded: %1, %2</source>
        <translation>Mismo número de teléfono y mismo nombre normalizado: %1, %2</translation>
    </message>
    <message>
        <source>Same address ignoring case and spacing and name folded: %1, %2</source>
        <translation>Misma dirección sin distinguir mayúsculas ni espacios, y mismo nombre normalizado: %1, %2</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>Written as vCard %1.</source>
        <translation>Escrito como vCard %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n values could not be decoded and were written as read; the report names them.</source>
        <translation>
            <numerusform>%n valor no se pudo descodificar y se escribió tal como se leyó; el informe lo indica.</numerusform>
            <numerusform>%n valores no se pudieron descodificar y se escribieron tal como se leyeron; el informe los indica.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Raw (one column per tag)</source>
        <translation>Sin procesar (una columna por propiedad)</translation>
    </message>
    <message>
        <source>&amp;Raw (one column per tag)</source>
        <translation>&amp;Sin procesar (una columna por propiedad)</translation>
    </message>
    <message>
        <source>Google Contacts CSV</source>
        <translation>Google Contactos (CSV)</translation>
    </message>
    <message>
        <source>&amp;Google Contacts</source>
        <translation>&amp;Google Contactos</translation>
    </message>
    <message>
        <source>Outlook CSV</source>
        <translation>Outlook (CSV)</translation>
    </message>
    <message>
        <source>&amp;Outlook</source>
        <translation>&amp;Outlook</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>Its own field (X-CSV-...)</source>
        <translation>Campo propio (X-CSV-…)</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Nombre completo</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Segundo nombre</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Name prefix</source>
        <translation>Prefijo del nombre</translation>
    </message>
    <message>
        <source>Name suffix</source>
        <translation>Sufijo del nombre</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Apodo</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Departamento</translation>
    </message>
    <message>
        <source>Job title</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Cumpleaños</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Work e-mail</source>
        <translation>Correo del trabajo</translation>
    </message>
    <message>
        <source>Home e-mail</source>
        <translation>Correo personal</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Work phone</source>
        <translation>Teléfono del trabajo</translation>
    </message>
    <message>
        <source>Home phone</source>
        <translation>Teléfono de casa</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Work web site</source>
        <translation>Sitio web del trabajo</translation>
    </message>
    <message>
        <source>Home web site</source>
        <translation>Sitio web personal</translation>
    </message>
    <message>
        <source>Mobile phone</source>
        <translation>Teléfono móvil</translation>
    </message>
    <message>
        <source>Fax phone</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Work fax phone</source>
        <translation>Fax del trabajo</translation>
    </message>
    <message>
        <source>Home fax phone</source>
        <translation>Fax de casa</translation>
    </message>
    <message>
        <source>Pager phone</source>
        <translation>Buscapersonas</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Postal code</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>PO box</source>
        <translation>Apartado postal</translation>
    </message>
    <message>
        <source>Work street</source>
        <translation>Calle (trabajo)</translation>
    </message>
    <message>
        <source>Work city</source>
        <translation>Ciudad (trabajo)</translation>
    </message>
    <message>
        <source>Work region</source>
        <translation>Región (trabajo)</translation>
    </message>
    <message>
        <source>Work postal code</source>
        <translation>Código postal (trabajo)</translation>
    </message>
    <message>
        <source>Work country</source>
        <translation>País (trabajo)</translation>
    </message>
    <message>
        <source>Work PO box</source>
        <translation>Apartado postal (trabajo)</translation>
    </message>
    <message>
        <source>Home street</source>
        <translation>Calle (casa)</translation>
    </message>
    <message>
        <source>Home city</source>
        <translation>Ciudad (casa)</translation>
    </message>
    <message>
        <source>Home region</source>
        <translation>Región (casa)</translation>
    </message>
    <message>
        <source>Home postal code</source>
        <translation>Código postal (casa)</translation>
    </message>
    <message>
        <source>Home country</source>
        <translation>País (casa)</translation>
    </message>
    <message>
        <source>Home PO box</source>
        <translation>Apartado postal (casa)</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Work fax</source>
        <translation>Fax del trabajo</translation>
    </message>
    <message>
        <source>Home fax</source>
        <translation>Fax de casa</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Work address</source>
        <translation>Dirección del trabajo</translation>
    </message>
    <message>
        <source>Home address</source>
        <translation>Dirección de casa</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Work web page</source>
        <translation>Página web del trabajo</translation>
    </message>
    <message>
        <source>Home web page</source>
        <translation>Página web personal</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Móvil</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Buscapersonas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Nombre para mostrar</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organización</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Unique ID</source>
        <translation>Identificador único</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Género</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Instant messaging</source>
        <translation>Mensajería instantánea</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Aniversario</translation>
    </message>
    <message>
        <source>Address label</source>
        <translation>Etiqueta de dirección</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clave</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>&quot;%1&quot; is the file this merge writes, so it cannot be merged too. Leave it out or rename it, then merge again.</source>
        <translation>«%1» es el archivo que escribe esta fusión, así que no puede fusionarse también. Déjelo fuera o cámbiele el nombre y vuelva a fusionar.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>No se puede abrir «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>No se puede crear «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot open the folder &quot;%1&quot;: %2</source>
        <translation>No se puede abrir la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read the folder &quot;%1&quot;: %2</source>
        <translation>No se puede leer la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;: %2</source>
        <translation>No se puede crear la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: it is not a regular file.</source>
        <translation>No se puede leer «%1»: no es un archivo normal.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link, not a folder. Remove or rename it, then try again.</source>
        <translation>«%1» es un enlace, no una carpeta. Elimínelo o cámbiele el nombre e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the way: it is not a folder. Remove or rename it, then try again.</source>
        <translation>«%1» impide continuar: no es una carpeta. Elimínelo o cámbiele el nombre e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>Limits</name>
    <message>
        <source>A contact holds more than 4 GB of text, more than this program can process.</source>
        <translation>Un contacto contiene más de 4 GB de texto, más de lo que este programa puede procesar.</translation>
    </message>
    <message>
        <source>%2 holds more than %1 contacts, the most this program can process.</source>
        <translation>%2 contiene más de %1 contactos, el máximo que este programa puede procesar.</translation>
    </message>
    <message>
        <source>Contact %2 of %3 holds more than %1 lines, the most this program can process.</source>
        <translation>El contacto %2 de %3 contiene más de %1 líneas, el máximo que este programa puede procesar.</translation>
    </message>
    <message>
        <source>The input holds more than %1 distinct tags, the most this program can process.</source>
        <translation>La entrada contiene más de %1 propiedades distintas, el máximo que este programa puede procesar.</translation>
    </message>
    <message>
        <source>A cell of the file is larger than 4 GB, more than this program reads.</source>
        <translation>Una celda del archivo supera los 4 GB, más de lo que este programa lee.</translation>
    </message>
    <message>
        <source>%2 holds more than %1 rows, the most this program can process.</source>
        <translation>%2 contiene más de %1 filas, el máximo que este programa puede procesar.</translation>
    </message>
    <message>
        <source>The selection holds more than %1 files, the most this program can process.</source>
        <translation>La selección contiene más de %1 archivos, el máximo que este programa puede procesar.</translation>
    </message>
    <message>
        <source>%2 holds more than %1 .vcf files, the most this program can process.</source>
        <translation>%2 contiene más de %1 archivos .vcf, el máximo que este programa puede procesar.</translation>
    </message>
    <message>
        <source>The merge holds more than %1 contacts, the most this program can process.</source>
        <translation>La fusión contiene más de %1 contactos, el máximo que este programa puede procesar.</translation>
    </message>
</context>
<context>
    <name>Run</name>
    <message>
        <source>Earlier Split Found</source>
        <translation>Se encontró una división anterior</translation>
    </message>
    <message>
        <source>%1 already holds files of an earlier run.</source>
        <translation>%1 ya contiene archivos de una ejecución anterior.</translation>
    </message>
    <message>
        <source>Write this split into a new folder, or add its files to that one?</source>
        <translation>¿Escribir esta división en una carpeta nueva o añadir sus archivos a esa?</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>Escribir en %1</translation>
    </message>
    <message>
        <source>Add to %1</source>
        <translation>Añadir a %1</translation>
    </message>
    <message>
        <source>File Already Exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 ya existe.</translation>
    </message>
    <message>
        <source>Replace it, or keep both and write the new file as %1?</source>
        <translation>¿Reemplazarlo, o conservar ambos y escribir el archivo nuevo como %1?</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>Conservar ambos</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Holding the folder &quot;%1&quot;: click Run Now to recombine its files.</source>
        <translation>Carpeta «%1» preparada: pulse Ejecutar ahora para recombinar sus archivos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file or folder; nothing is held.</source>
        <translation>«%1» no es un archivo ni una carpeta; no se ha preparado nada.</translation>
    </message>
    <message>
        <source>Holding &quot;%1&quot;: click Run Now to export it.</source>
        <translation>«%1» preparado: pulse Ejecutar ahora para exportarlo.</translation>
    </message>
    <message>
        <source>Holding &quot;%1&quot;: click Run Now to import it.</source>
        <translation>«%1» preparado: pulse Ejecutar ahora para importarlo.</translation>
    </message>
    <message>
        <source>Holding &quot;%1&quot;: click Run Now to split it.</source>
        <translation>«%1» preparado: pulse Ejecutar ahora para dividirlo.</translation>
    </message>
    <message>
        <source>Files from several folders cannot be merged together; nothing is held.</source>
        <translation>No se pueden fusionar archivos de varias carpetas; no se ha preparado nada.</translation>
    </message>
    <message numerus="yes">
        <source>Holding %n files of &quot;%1&quot;: click Run Now to merge them.</source>
        <translation>
            <numerusform>%n archivo de «%1» preparado: pulse Ejecutar ahora para fusionarlo.</numerusform>
            <numerusform>%n archivos de «%1» preparados: pulse Ejecutar ahora para fusionarlos.</numerusform>
        </translation>
    </message>
    <message>
        <source>vCard has not been successfully split.</source>
        <translation>La vCard no se ha podido dividir.</translation>
    </message>
    <message>
        <source>vCard Split Failed</source>
        <translation>Error al dividir la vCard</translation>
    </message>
    <message>
        <source>vCard Split Stopped</source>
        <translation>División de la vCard detenida</translation>
    </message>
    <message>
        <source>vCard has been split successfully.</source>
        <translation>La vCard se ha dividido correctamente.</translation>
    </message>
    <message numerus="yes">
        <source>%n files have been created in...</source>
        <translation>
            <numerusform>Se ha creado %n archivo en…</numerusform>
            <numerusform>Se han creado %n archivos en…</numerusform>
        </translation>
    </message>
    <message>
        <source>vCard Split Successfull</source>
        <translation>vCard dividida correctamente</translation>
    </message>
    <message>
        <source>vCard Split Successful</source>
        <translation>vCard dividida correctamente</translation>
    </message>
    <message>
        <source>vCard recombination has not been completed.</source>
        <translation>La recombinación de vCards no se ha completado.</translation>
    </message>
    <message>
        <source>vCard Recombine Failed</source>
        <translation>Error al recombinar las vCards</translation>
    </message>
    <message>
        <source>vCard Recombination Failed</source>
        <translation>Error al recombinar las vCards</translation>
    </message>
    <message>
        <source>vCard Recombination Stopped</source>
        <translation>Recombinación de vCards detenida</translation>
    </message>
    <message>
        <source>vCard files have been successfully recombined.</source>
        <translation>Los archivos vCard se han recombinado correctamente.</translation>
    </message>
    <message numerus="yes">
        <source>%n total files have been combined into...</source>
        <translation>
            <numerusform>Se ha combinado %n archivo en total en…</numerusform>
            <numerusform>Se han combinado %n archivos en total en…</numerusform>
        </translation>
    </message>
    <message>
        <source>vCard Recombine Successfull</source>
        <translation>vCards recombinadas correctamente</translation>
    </message>
    <message>
        <source>vCard Recombination Successful</source>
        <translation>vCards recombinadas correctamente</translation>
    </message>
    <message>
        <source>vCards have not been successfully merged.</source>
        <translation>Las vCards no se han podido fusionar.</translation>
    </message>
    <message>
        <source>vCard Processing Failed</source>
        <translation>Error al procesar la vCard</translation>
    </message>
    <message>
        <source>vCard Merge Failed</source>
        <translation>Error al fusionar las vCards</translation>
    </message>
    <message>
        <source>vCard Merge Stopped</source>
        <translation>Fusión de vCards detenida</translation>
    </message>
    <message>
        <source>vCards have been merged successfully.</source>
        <translation>Las vCards se han fusionado correctamente.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards have been combined into...</source>
        <translation>
            <numerusform>Se ha combinado %n tarjeta en…</numerusform>
            <numerusform>Se han combinado %n tarjetas en…</numerusform>
        </translation>
    </message>
    <message>
        <source>vCard Merge Successfull</source>
        <translation>vCards fusionadas correctamente</translation>
    </message>
    <message>
        <source>vCard Merge Successful</source>
        <translation>vCards fusionadas correctamente</translation>
    </message>
    <message>
        <source>vCard has not been successfully exported.</source>
        <translation>La vCard no se ha podido exportar.</translation>
    </message>
    <message>
        <source>vCard Export Failed</source>
        <translation>Error al exportar la vCard</translation>
    </message>
    <message>
        <source>vCard Export Stopped</source>
        <translation>Exportación de la vCard detenida</translation>
    </message>
    <message>
        <source>vCard has been exported successfully.</source>
        <translation>La vCard se ha exportado correctamente.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards have been exported into...</source>
        <translation>
            <numerusform>Se ha exportado %n tarjeta en…</numerusform>
            <numerusform>Se han exportado %n tarjetas en…</numerusform>
        </translation>
    </message>
    <message>
        <source>vCard Export Successfull</source>
        <translation>vCard exportada correctamente</translation>
    </message>
    <message>
        <source>vCard Export Successful</source>
        <translation>vCard exportada correctamente</translation>
    </message>
    <message>
        <source>CSV file has not been imported.</source>
        <translation>El archivo CSV no se ha importado.</translation>
    </message>
    <message>
        <source>CSV Import Failed</source>
        <translation>Error al importar el CSV</translation>
    </message>
    <message>
        <source>CSV Import Stopped</source>
        <translation>Importación del CSV detenida</translation>
    </message>
    <message>
        <source>CSV file has been imported successfully.</source>
        <translation>El archivo CSV se ha importado correctamente.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts have been written into...</source>
        <translation>
            <numerusform>Se ha escrito %n contacto en…</numerusform>
            <numerusform>Se han escrito %n contactos en…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV Import Successful</source>
        <translation>CSV importado correctamente</translation>
    </message>
    <message>
        <source>The selected location does not contain multiple vCard contact files.</source>
        <translation>La ubicación elegida no contiene varios archivos de contacto vCard.</translation>
    </message>
    <message>
        <source>Please choose a path containing multiple vCards to be recombined.</source>
        <translation>Elija una ubicación que contenga varias vCards para recombinar.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se ha escrito nada.</translation>
    </message>
    <message>
        <source>Nothing to Process</source>
        <translation>Nada que procesar</translation>
    </message>
    <message>
        <source>Stopped: nothing was written; an earlier file of that name is as it was.</source>
        <translation>Detenido: no se ha escrito nada; un archivo anterior con ese nombre sigue como estaba.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n contact files were written in</source>
        <translation>
            <numerusform>Detenido: se escribió %1 de %n archivo de contacto en</numerusform>
            <numerusform>Detenido: se escribieron %1 de %n archivos de contacto en</numerusform>
        </translation>
    </message>
    <message>
        <source>There is not enough memory to read &quot;%1&quot;.</source>
        <translation>No hay memoria suficiente para leer «%1».</translation>
    </message>
    <message numerus="yes">
        <source>%n vCard Files Found</source>
        <translation>
            <numerusform>%n archivo vCard encontrado</numerusform>
            <numerusform>%n archivos vCard encontrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files selected</source>
        <translation>
            <numerusform>%n archivo seleccionado</numerusform>
            <numerusform>%n archivos seleccionados</numerusform>
        </translation>
    </message>
    <message>
        <source>Merging...</source>
        <translation>Fusionando…</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportando…</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message numerus="yes">
        <source>%n values past the tenth of their kind were written to Notes.</source>
        <translation>
            <numerusform>%n valor más allá del décimo de su tipo se escribió en las notas.</numerusform>
            <numerusform>%n valores más allá del décimo de su tipo se escribieron en las notas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The selected CSV file holds no contacts to import.</source>
        <translation>El archivo CSV elegido no contiene contactos que importar.</translation>
    </message>
    <message>
        <source>Please choose a CSV file with a header row and at least one row of contacts.</source>
        <translation>Elija un archivo CSV con una fila de encabezado y al menos una fila de contactos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not have the columns %2 of the column set chosen.</source>
        <translation>«%1» no tiene las columnas %2 del conjunto de columnas elegido.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando…</translation>
    </message>
    <message>
        <source>%1 rows read, %2 contacts written.</source>
        <translation>%1 filas leídas, %2 contactos escritos.</translation>
    </message>
    <message>
        <source>The selected vCard does not contain multiple contacts.</source>
        <translation>La vCard elegida no contiene varios contactos.</translation>
    </message>
    <message>
        <source>Please choose a multiple-entry vCard file.</source>
        <translation>Elija un archivo vCard con varias entradas.</translation>
    </message>
    <message>
        <source>Verifying Input File...</source>
        <translation>Verificando el archivo de entrada…</translation>
    </message>
    <message numerus="yes">
        <source>vCard Count = %n Cards</source>
        <translation>
            <numerusform>Número de vCards: %n tarjeta</numerusform>
            <numerusform>Número de vCards: %n tarjetas</numerusform>
        </translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Procesando %1</translation>
    </message>
</context>
<context>
    <name>palvren::AboutWindow</name>
    <message>
        <source>About Palvren</source>
        <translation>Acerca de Palvren</translation>
    </message>
</context>
<context>
    <name>palvren::ColumnMappingDialog</name>
    <message>
        <source>Column</source>
        <translation>Columna</translation>
    </message>
    <message>
        <source>First values</source>
        <translation>Primeros valores</translation>
    </message>
    <message>
        <source>Goes to</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Import CSV Columns</source>
        <translation>Importar columnas CSV</translation>
    </message>
    <message>
        <source>Palvren does not know the columns of this file. Choose where each one goes; nothing is written until you click Import. A column kept as its own field is written as an X-CSV- property, never dropped.</source>
        <translation>Palvren no conoce las columnas de este archivo. Elija el destino de cada una; no se escribe nada hasta que pulse Importar. Una columna conservada como campo propio se escribe como propiedad X-CSV- y nunca se descarta.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
</context>
<context>
    <name>palvren::ConflictWindow</name>
    <message>
        <source>%1 image, %2 pixels, %3 bytes</source>
        <translation>Imagen %1, %2 píxeles, %3 bytes</translation>
    </message>
    <message>
        <source>Select the Correct Data</source>
        <translation>Elija los datos correctos</translation>
    </message>
    <message>
        <source>Keep Neither</source>
        <translation>No conservar ninguno</translation>
    </message>
    <message>
        <source>Update Existing Data Field</source>
        <translation>Modificar el campo existente</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Campos</translation>
    </message>
    <message>
        <source>Option 1</source>
        <translation>Opción 1</translation>
    </message>
    <message>
        <source>Option 2</source>
        <translation>Opción 2</translation>
    </message>
    <message>
        <source>Double-click a row, or press F2, to type its value for both contacts</source>
        <translation>Haga doble clic en una fila o pulse F2 para escribir su valor para ambos contactos</translation>
    </message>
    <message>
        <source>Conflicting data exists for this redundancy.  Select the value to keep.</source>
        <translation>Este duplicado tiene datos contradictorios. Elija el valor que desea conservar.</translation>
    </message>
    <message>
        <source>Contact (%1)</source>
        <translation>Contacto (%1)</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>Conservar ambos</translation>
    </message>
    <message>
        <source>This is not a redundancy. Keep Both: these are two people — keep both contacts as they are</source>
        <translation>No es un duplicado. Conservar ambos: son dos personas; conservar ambos contactos tal como están</translation>
    </message>
    <message>
        <source>This is the correct information for this field: keep %1&apos;s value and merge the two contacts</source>
        <translation>Es la información correcta para este campo: conservar el valor de %1 y fusionar los dos contactos</translation>
    </message>
    <message>
        <source>Keep Option 1</source>
        <translation>Conservar opción 1</translation>
    </message>
    <message>
        <source>Keep Option 2</source>
        <translation>Conservar opción 2</translation>
    </message>
    <message>
        <source>Both options are garbage: remove both contacts (asks first)</source>
        <translation>Ninguna opción sirve: eliminar ambos contactos (pide confirmación)</translation>
    </message>
    <message>
        <source>Keep Both Values</source>
        <translation>Conservar ambos valores</translation>
    </message>
    <message>
        <source>Both values are right: keep them both in the merged contact (for a field that holds several, such as e-mails)</source>
        <translation>Ambos valores son correctos: conservar los dos en el contacto fusionado (para un campo con varios valores, como los correos)</translation>
    </message>
    <message>
        <source>&amp;Apply to all remaining conflicts</source>
        <translation>&amp;Aplicar a todos los conflictos restantes</translation>
    </message>
    <message>
        <source>Answer every later conflict of this check the same way, for pairs named alike (a pair named otherwise is still asked; Keep Neither, which removes both contacts, never applies to others)</source>
        <translation>Responder igual a cada conflicto posterior de esta comprobación, para parejas con el mismo nombre (una pareja con otro nombre se sigue preguntando; No conservar ninguno, que elimina ambos contactos, nunca se aplica a otras)</translation>
    </message>
    <message>
        <source>S&amp;top Checking</source>
        <translation>De&amp;jar de comprobar</translation>
    </message>
    <message>
        <source>Ask no more: keep both contacts of this and every remaining pair, and write the files</source>
        <translation>No preguntar más: conservar ambos contactos de esta pareja y de todas las restantes, y escribir los archivos</translation>
    </message>
    <message>
        <source>The two contacts matched on this field</source>
        <translation>Los dos contactos coinciden en este campo</translation>
    </message>
    <message>
        <source>Enter the value for the &quot;%1&quot; field here:</source>
        <translation>Escriba aquí el valor del campo «%1»:</translation>
    </message>
    <message>
        <source>Contact (%1) keeps this field in %2, which cannot hold every character typed. Type the value with letters it can hold.</source>
        <translation>El contacto (%1) guarda este campo en %2, que no admite todos los caracteres escritos. Escriba el valor con letras que admita.</translation>
    </message>
    <message>
        <source>Keep Neither removes both contacts from the files written. Remove both?</source>
        <translation>No conservar ninguno elimina ambos contactos de los archivos escritos. ¿Eliminar ambos?</translation>
    </message>
    <message>
        <source>%1 image, %2 bytes</source>
        <translation>Imagen %1, %2 bytes</translation>
    </message>
</context>
<context>
    <name>palvren::InfoWindows</name>
    <message>
        <source>
&lt;div style=&quot;font-family: Calibri, Carlito, sans-serif; font-size: 10pt;&quot;&gt;
&lt;p&gt;Many phones and address books export all of their contacts as one vCard file that holds
several contacts, yet much software expects one contact per file and cannot import such a file.
Palvren bridges the two, and keeps your address book tidy while it does so:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Split one multiple-contact vCard file into single-contact files, named from the contact
information or numbered sequentially.&lt;/li&gt;
&lt;li&gt;Merge several multiple-contact files into one, so that the redundancy check can run over all
of them at once.&lt;/li&gt;
&lt;li&gt;The contact card cleaner, which removes repeated tag data within each contact.&lt;/li&gt;
&lt;li&gt;The redundancy check, which removes identical contacts.&lt;/li&gt;
&lt;li&gt;The contact merging routine, which merges similar contacts or asks you for the right
data.&lt;/li&gt;
&lt;li&gt;Recombine single-contact files into one large multiple-contact file.&lt;/li&gt;
&lt;li&gt;The CSV export, which shows every field present in a multiple-contact file.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Questions, ideas or trouble? Write to us at the e-mail address shown above.&lt;/p&gt;
&lt;/div&gt;</source>
        <translation>
&lt;div style=&quot;font-family: Calibri, Carlito, sans-serif; font-size: 10pt;&quot;&gt;
&lt;p&gt;Muchos teléfonos y libretas de direcciones exportan todos sus contactos en un único archivo
vCard que contiene varios, pero muchos programas esperan un contacto por archivo y no saben
importar un archivo así. Palvren une ambos mundos y, de paso, mantiene ordenada su libreta de
direcciones:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Dividir un archivo vCard con varios contactos en archivos de un solo contacto, con el nombre
tomado de los datos del contacto o numerados en orden.&lt;/li&gt;
&lt;li&gt;Fusionar varios archivos con varios contactos en uno, para que la búsqueda de duplicados los
recorra todos a la vez.&lt;/li&gt;
&lt;li&gt;La limpieza de tarjetas, que elimina los datos repetidos dentro de cada contacto.&lt;/li&gt;
&lt;li&gt;La búsqueda de duplicados, que elimina los contactos idénticos.&lt;/li&gt;
&lt;li&gt;La fusión de contactos, que une los contactos similares o le pregunta por los datos
correctos.&lt;/li&gt;
&lt;li&gt;Recombinar archivos de un solo contacto en un gran archivo con varios contactos.&lt;/li&gt;
&lt;li&gt;La exportación a CSV, que muestra cada campo presente en un archivo con varios
contactos.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;¿Preguntas, ideas o problemas? Escríbanos a la dirección de correo que aparece arriba.&lt;/p&gt;
&lt;/div&gt;</translation>
    </message>
    <message>
        <source>
&lt;div style=&quot;font-family: Calibri, Carlito, sans-serif; font-size: 10pt;&quot;&gt;
&lt;p&gt;The redundancy checking operation is complex and broken down into specific logic segments per
the details indicated here.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;Any Redundancy Check&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;p style=&quot;margin-left: 48px; text-indent: -24px;&quot;&gt;Contact Cleaner:  The cleaner goes through every
contact card and removes redundant data for a tag.  A contact may have several tags of one kind
(home phone, work phone, home address, work address), but never more than one entry of any one
type.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;PASS 1 Redundancy Check&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;ol type=&quot;1&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;Run the contact cleaner first, for better data integrity.&lt;/li&gt;
&lt;li&gt;Compare every contact with every other contact looking for identical matches.  Identical
means:
&lt;ol type=&quot;a&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;the same number of tags,&lt;/li&gt;
&lt;li&gt;the same tag identifiers,&lt;/li&gt;
&lt;li&gt;the same data stored for each tag.&lt;/li&gt;
&lt;/ol&gt;&lt;/li&gt;
&lt;/ol&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;PASS 2 Redundancy Check&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;ol type=&quot;1&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;Run pass 1, which includes the contact cleaner.&lt;/li&gt;
&lt;li&gt;Compare every contact with every other contact looking for a similarity &lt;b&gt;HIT&lt;/b&gt;, which is
any of:
&lt;ol type=&quot;a&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;two contacts with an identical, valid e-mail address for the same tag (valid meaning that the
data holds a name, the &quot;@&quot; character and a domain with a dot, as in ann@example.org);&lt;/li&gt;
&lt;li&gt;two contacts with identical telephone numbers for the same tag, where
&lt;ol type=&quot;i&quot; style=&quot;margin-left: 24px;&quot;&gt;&lt;li&gt;a name HIT must also exist, that is identical NAME
or FORMATTED NAME fields (an empty name is no name);&lt;/li&gt;&lt;/ol&gt;&lt;/li&gt;
&lt;li&gt;two contacts with identical address fields for the same tag, where
&lt;ol type=&quot;i&quot; style=&quot;margin-left: 24px;&quot;&gt;&lt;li&gt;a name HIT must also exist, as above.&lt;/li&gt;&lt;/ol&gt;&lt;/li&gt;
&lt;/ol&gt;&lt;/li&gt;
&lt;/ol&gt;
&lt;p&gt;Wherever two similar contacts hold different data in the same field, you are asked which value
to keep (or both, for a field that holds several, such as e-mails), whether the two are different
people after all, or whether neither is worth keeping. A field two programs write differently is
one field, and two contacts of two vCard versions become one contact of the higher version.
Before anything is written, a review lists every merge; untick one to keep its contacts as they
were.&lt;/p&gt;
&lt;/div&gt;</source>
        <translation>
&lt;div style=&quot;font-family: Calibri, Carlito, sans-serif; font-size: 10pt;&quot;&gt;
&lt;p&gt;La búsqueda de duplicados es compleja y se divide en los pasos lógicos que se detallan
aquí.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;Cualquier búsqueda de duplicados&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;p style=&quot;margin-left: 48px; text-indent: -24px;&quot;&gt;Limpieza de contactos: recorre cada tarjeta y
elimina los datos repetidos de una propiedad. Un contacto puede tener varias propiedades de una
misma clase (teléfono de casa, teléfono del trabajo, dirección de casa, dirección del trabajo),
pero nunca más de una entrada del mismo tipo.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;Búsqueda de duplicados, PASADA 1&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;ol type=&quot;1&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;Ejecutar primero la limpieza de contactos, para que los datos sean más fiables.&lt;/li&gt;
&lt;li&gt;Comparar cada contacto con todos los demás en busca de coincidencias idénticas. Idéntico
significa:
&lt;ol type=&quot;a&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;el mismo número de propiedades,&lt;/li&gt;
&lt;li&gt;los mismos identificadores de propiedad,&lt;/li&gt;
&lt;li&gt;los mismos datos en cada propiedad.&lt;/li&gt;
&lt;/ol&gt;&lt;/li&gt;
&lt;/ol&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;Búsqueda de duplicados, PASADA 2&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;ol type=&quot;1&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;Ejecutar la pasada 1, que incluye la limpieza de contactos.&lt;/li&gt;
&lt;li&gt;Comparar cada contacto con todos los demás en busca de una &lt;b&gt;COINCIDENCIA&lt;/b&gt; de similitud,
es decir, cualquiera de estas:
&lt;ol type=&quot;a&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;dos contactos con un correo electrónico idéntico y válido en la misma propiedad (válido
significa: un nombre, el carácter «@» y un dominio con punto, como en ann@example.org);&lt;/li&gt;
&lt;li&gt;dos contactos con números de teléfono idénticos en la misma propiedad, siempre que
&lt;ol type=&quot;i&quot; style=&quot;margin-left: 24px;&quot;&gt;&lt;li&gt;también coincida el nombre, es decir, campos NOMBRE
o NOMBRE PARA MOSTRAR idénticos (un nombre vacío no es un nombre);&lt;/li&gt;&lt;/ol&gt;&lt;/li&gt;
&lt;li&gt;dos contactos con direcciones idénticas en la misma propiedad, siempre que
&lt;ol type=&quot;i&quot; style=&quot;margin-left: 24px;&quot;&gt;&lt;li&gt;también coincida el nombre, como arriba.&lt;/li&gt;&lt;/ol&gt;&lt;/li&gt;
&lt;/ol&gt;&lt;/li&gt;
&lt;/ol&gt;
&lt;p&gt;Cuando dos contactos similares tienen datos distintos en el mismo campo, se le pregunta qué
valor conservar (o ambos, en un campo con varios valores como los correos), si en realidad son
dos personas distintas o si ninguno merece conservarse. Un campo que dos programas escriben de
forma distinta es un solo campo, y dos contactos de dos versiones de vCard pasan a ser un
contacto de la versión más alta. Antes de escribir nada, una revisión muestra cada fusión;
desmarque una para conservar sus contactos como estaban.&lt;/p&gt;
&lt;/div&gt;</translation>
    </message>
    <message>
        <source>
&lt;div style=&quot;font-family: Calibri, Carlito, sans-serif; font-size: 10pt;&quot;&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;Tolerant Matching (in force)&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;Pass 2 compares fields by their name alone, whatever their type or group, and compares values
as a person reads them:&lt;/p&gt;
&lt;ol type=&quot;a&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;e-mail addresses without case, spaces or &quot;mailto:&quot;;&lt;/li&gt;
&lt;li&gt;telephone numbers as the international number they stand for (0044 as +44, an extension
kept apart%1); a number that cannot be read that way is compared by its digits and letters,
when it has at least seven digits;&lt;/li&gt;
&lt;li&gt;addresses without case or extra spaces;&lt;/li&gt;
&lt;li&gt;names without case, accents, punctuation or &quot;Last, First&quot; order. When both contacts have a
formatted name, those decide; the name&apos;s parts decide only when one of them has none, and a
family name alone never matches.&lt;/li&gt;
&lt;/ol&gt;
&lt;/div&gt;</source>
        <translation>
&lt;div style=&quot;font-family: Calibri, Carlito, sans-serif; font-size: 10pt;&quot;&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;Coincidencia tolerante (activa)&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;La pasada 2 compara los campos solo por su nombre, sea cual sea su tipo o grupo, y compara
los valores tal como los lee una persona:&lt;/p&gt;
&lt;ol type=&quot;a&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;correos electrónicos sin mayúsculas, espacios ni «mailto:»;&lt;/li&gt;
&lt;li&gt;números de teléfono como el número internacional que representan (0034 como +34, con la
extensión aparte%1); un número que no puede leerse así se compara por sus cifras y letras, si
tiene al menos siete cifras;&lt;/li&gt;
&lt;li&gt;direcciones sin mayúsculas ni espacios de más;&lt;/li&gt;
&lt;li&gt;nombres sin mayúsculas, acentos, puntuación ni el orden «Apellido, Nombre». Si ambos
contactos tienen nombre para mostrar, este decide; las partes del nombre solo deciden cuando uno
de ellos no lo tiene, y un apellido solo nunca coincide.&lt;/li&gt;
&lt;/ol&gt;
&lt;/div&gt;</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>palvren::MainWindow</name>
    <message>
        <source>This option will request the file name of a singe multiple-contact vCard file (.vcf), and create a folder in that directory with the name &quot;Split-vCards&quot;.  Within that folder, a single VCF file will be created for each contact found in the original multiple-contact vCard.  These single-contact VCF files should be compatible with most devices and software (such as MS-Outlook, cell-phones, etc.)</source>
        <translation>Esta opción pide el nombre de un único archivo vCard con varios contactos (.vcf) y crea en ese directorio una carpeta llamada «Split-vCards». En ella se crea un archivo VCF por cada contacto de la vCard original. Estos archivos de un solo contacto deberían servir en la mayoría de dispositivos y programas (MS Outlook, teléfonos móviles, etc.).</translation>
    </message>
    <message>
        <source>This option will request the path to the folder containing multiple, single-contact vCard files.  It will then re-combine all of the contacts into one large multiple-contact vCard file.  This option is effectively the reverse function of the first (Split) option.</source>
        <translation>Esta opción pide la ruta de la carpeta que contiene varios archivos vCard de un solo contacto y recombina todos los contactos en un gran archivo vCard con varios contactos. Es, en la práctica, la función inversa de la primera opción (Dividir).</translation>
    </message>
    <message>
        <source>This option will request the file names of several multiple-contact vCard files and merge them together into one large vCard file.  From here, the other options may be employed to split, export, or check for redundancies.</source>
        <translation>Esta opción pide los nombres de varios archivos vCard con varios contactos y los fusiona en un gran archivo vCard. Después, las demás opciones permiten dividirlo, exportarlo o buscar duplicados.</translation>
    </message>
    <message>
        <source>This option will request the file name of a singe, multiple-contact vCard file (.vcf), and create a comma-delimted text file (.csv) containing all of the information.  This file may be imported in MS-Excel (or similar) so that all of the contact information may be manually parsed or concatenated by the user.</source>
        <translation>Esta opción pide el nombre de un único archivo vCard con varios contactos (.vcf) y crea un archivo de texto separado por comas (.csv) con toda la información. Ese archivo puede importarse en MS Excel (o similar) para analizar o unir a mano toda la información de los contactos.</translation>
    </message>
    <message>
        <source>This option will request the file name of a CSV file (.csv) that a spreadsheet, Google Contacts, Outlook, Thunderbird or this program wrote, and create the multiple-contact vCard file &quot;Contacts_Imported.vcf&quot; beside it, one contact for each row.  When it does not know the columns, it asks where each one goes before anything is written.</source>
        <translation>Esta opción pide el nombre de un archivo CSV (.csv) escrito por una hoja de cálculo, Google Contactos, Outlook, Thunderbird o este programa, y crea a su lado el archivo vCard «Contacts_Imported.vcf», con un contacto por fila. Si no conoce las columnas, pregunta el destino de cada una antes de escribir nada.</translation>
    </message>
    <message>
        <source>Palvren - Main Window</source>
        <translation>Palvren – Ventana principal</translation>
    </message>
    <message>
        <source>&amp;Run Now</source>
        <translation>&amp;Ejecutar ahora</translation>
    </message>
    <message>
        <source>Split a multi-contact vCard into separate vCard files</source>
        <translation>Dividir una vCard con varios contactos en archivos vCard separados</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file: the options start at their defaults and are not saved.</source>
        <translation>«%1» no es un archivo normal: las opciones parten de sus valores predeterminados y no se guardan.</translation>
    </message>
    <message>
        <source>What to Do</source>
        <translation>Qué hacer</translation>
    </message>
    <message>
        <source>&amp;Multiple-Contact vCard to Individual vCard Split</source>
        <translation>Di&amp;vidir vCard de varios contactos en vCards individuales</translation>
    </message>
    <message>
        <source>R&amp;ecombine Single vCard Files into Mutiple-Contact File</source>
        <translation>&amp;Recombinar vCards individuales en un archivo de varios contactos</translation>
    </message>
    <message>
        <source>Mer&amp;ge Multiple vCard Files Together</source>
        <translation>&amp;Fusionar varios archivos vCard</translation>
    </message>
    <message>
        <source>E&amp;xport Multiple-Contact vCard File to Raw CSV</source>
        <translation>E&amp;xportar vCard de varios contactos a CSV sin procesar</translation>
    </message>
    <message>
        <source>Im&amp;port CSV File into Multiple-Contact vCard</source>
        <translation>Im&amp;portar archivo CSV a vCard de varios contactos</translation>
    </message>
    <message>
        <source>Redundancy Options</source>
        <translation>Opciones de duplicados</translation>
    </message>
    <message>
        <source>Any time a contact redundancy is found (as described in the &quot;More Info&quot; box above), the following action(s) will be taken:</source>
        <translation>Cada vez que se encuentre un contacto duplicado (como se describe en «Más información»), se hará lo siguiente:</translation>
    </message>
    <message>
        <source>1 PASS - Eliminate Perfect Duplicates Only</source>
        <translation>1 PASADA – Eliminar solo duplicados exactos</translation>
    </message>
    <message>
        <source>* Only take action on identical fields and contents</source>
        <translation>* Actuar solo sobre campos y contenidos idénticos</translation>
    </message>
    <message>
        <source>2 PASS - Perfect Dupliicates + Attempt to Merge &quot;Similar&quot;</source>
        <translation>2 PASADAS – Duplicados exactos + fusionar «similares»</translation>
    </message>
    <message>
        <source>* User will be prompted for dissimilar data in identical fields</source>
        <translation>* Se le preguntará por los datos distintos en campos idénticos</translation>
    </message>
    <message>
        <source>Tolerant Matching is on: Pass 2 ignores case, spacing, accents and number format.</source>
        <translation>La coincidencia tolerante está activa: la pasada 2 ignora mayúsculas, espacios, acentos y formato de número.</translation>
    </message>
    <message>
        <source>Execution Details/Options</source>
        <translation>Ejecución/Opciones</translation>
    </message>
    <message>
        <source>vCard Naming Options</source>
        <translation>Nombres de las vCards</translation>
    </message>
    <message>
        <source>Name vCards &amp;Numerically</source>
        <translation>Nombrar vCards &amp;numéricamente</translation>
    </message>
    <message>
        <source>Every vCard file will be named per its index without reguard to contents</source>
        <translation>Cada archivo vCard recibe el nombre de su número, sin tener en cuenta el contenido</translation>
    </message>
    <message>
        <source> Name vCards from &amp;Contact Info</source>
        <translation> Nombrar vCards según los datos del &amp;contacto</translation>
    </message>
    <message>
        <source>vCard files will be named per the first valid field in the following sequence: Formatted Name, Name, Title, Email</source>
        <translation>Los archivos vCard reciben el nombre del primer campo válido en este orden: nombre para mostrar, nombre, cargo, correo</translation>
    </message>
    <message>
        <source>Check for Re&amp;dundancies</source>
        <translation>Buscar d&amp;uplicados</translation>
    </message>
    <message>
        <source>More &amp;Info</source>
        <translation>Más &amp;información</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was handed over: it is held when this run ends.</source>
        <translation>Se ha entregado «%1»: se preparará cuando termine esta ejecución.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were handed over: they are held when this run ends.</source>
        <translation>
            <numerusform>Se ha entregado %n archivo: se preparará cuando termine esta ejecución.</numerusform>
            <numerusform>Se han entregado %n archivos: se prepararán cuando termine esta ejecución.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>A run is in progress. Stop it and quit?</source>
        <translation>Hay una ejecución en curso. ¿Detenerla y salir?</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>Contando</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Limpiando</translation>
    </message>
    <message>
        <source>Pass 1:</source>
        <translation>Pasada 1:</translation>
    </message>
    <message>
        <source>Pass 2:</source>
        <translation>Pasada 2:</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Escribiendo</translation>
    </message>
    <message>
        <source>Exporting</source>
        <translation>Exportando</translation>
    </message>
    <message>
        <source>Merging</source>
        <translation>Fusionando</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Redundancy Logic</source>
        <translation>Lógica de &amp;duplicados</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Tolerant Matching (case, spacing, accents, number format)</source>
        <translation>Coincidencia &amp;tolerante (mayúsculas, espacios, acentos, formato de número)</translation>
    </message>
    <message>
        <source>Default &amp;Country Code...</source>
        <translation>Prefijo de &amp;país predeterminado…</translation>
    </message>
    <message>
        <source>&amp;Export Format</source>
        <translation>Formato de e&amp;xportación</translation>
    </message>
    <message>
        <source>&amp;Write vCards As</source>
        <translation>Escri&amp;bir vCards como</translation>
    </message>
    <message>
        <source>As &amp;Read</source>
        <translation>Tal como se &amp;leyó</translation>
    </message>
    <message>
        <source>vCard &amp;2.1</source>
        <translation>vCard &amp;2.1</translation>
    </message>
    <message>
        <source>vCard &amp;3.0</source>
        <translation>vCard &amp;3.0</translation>
    </message>
    <message>
        <source>vCard &amp;4.0</source>
        <translation>vCard &amp;4.0</translation>
    </message>
    <message>
        <source>Country calling code for national numbers (digits, such as 44 or 1); empty for none:</source>
        <translation>Prefijo de país para los números nacionales (cifras, como 34 o 1); vacío para ninguno:</translation>
    </message>
    <message>
        <source>Default Country Code</source>
        <translation>Prefijo de país predeterminado</translation>
    </message>
    <message>
        <source>A country calling code has one to three digits.</source>
        <translation>Un prefijo de país tiene de una a tres cifras.</translation>
    </message>
    <message>
        <source>Please Choose Options and Click Run...</source>
        <translation>Elija las opciones y pulse Ejecutar ahora…</translation>
    </message>
    <message>
        <source>No Card</source>
        <translation>Ninguna tarjeta</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>palvren::MoreWindow</name>
    <message>
        <source>Redundancy Operation Logic Explanation</source>
        <translation>Explicación de la búsqueda de duplicados</translation>
    </message>
    <message>
        <source>; a national number is read as one of +%1</source>
        <translation>; un número nacional se lee como uno de +%1</translation>
    </message>
</context>
<context>
    <name>palvren::QtWindowDialogs</name>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Guardar informe…</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>palvren::ReviewWindow</name>
    <message>
        <source>Untick to keep these contacts: they were both removed</source>
        <translation>Desmarque para conservar estos contactos: se eliminaron ambos</translation>
    </message>
    <message>
        <source>Untick to write these contacts as they were, unmerged</source>
        <translation>Desmarque para escribir estos contactos como estaban, sin fusionar</translation>
    </message>
    <message>
        <source>Review the Merges</source>
        <translation>Revisar las fusiones</translation>
    </message>
    <message>
        <source>Pass 2 merged or removed these contacts. Untick any you want written as they were; nothing has been written yet.</source>
        <translation>La pasada 2 fusionó o eliminó estos contactos. Desmarque los que quiera escribir como estaban; todavía no se ha escrito nada.</translation>
    </message>
    <message>
        <source>&amp;Write the Files</source>
        <translation>&amp;Escribir los archivos</translation>
    </message>
</context>
<context>
    <name>palvren::SourceDialog</name>
    <message>
        <source>vCard File</source>
        <translation>Archivo vCard</translation>
    </message>
    <message>
        <source>CSV File</source>
        <translation>Archivo CSV</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Select a multiple-contact vCard file to split</source>
        <translation>Elija un archivo vCard con varios contactos para dividir</translation>
    </message>
    <message>
        <source>Select the parent folder containing, single-contact vCard files</source>
        <translation>Elija la carpeta que contiene los archivos vCard de un solo contacto</translation>
    </message>
    <message>
        <source>Select several multiple-contact vCard files to merge</source>
        <translation>Elija varios archivos vCard con varios contactos para fusionar</translation>
    </message>
    <message>
        <source>Select a multiple-contact vCard file to export</source>
        <translation>Elija un archivo vCard con varios contactos para exportar</translation>
    </message>
    <message>
        <source>Select a CSV file to import</source>
        <translation>Elija un archivo CSV para importar</translation>
    </message>
</context>
</TS>
