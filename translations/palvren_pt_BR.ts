<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Check</name>
    <message>
        <source>Same e-mail: %1</source>
        <translation>Mesmo e-mail: %1</translation>
    </message>
    <message>
        <source>Same telephone and name: %1, %2</source>
        <translation>Mesmo telefone e mesmo nome: %1, %2</translation>
    </message>
    <message>
        <source>Same address and name: %1, %2</source>
        <translation>Mesmo endereço e mesmo nome: %1, %2</translation>
    </message>
    <message>
        <source>PASS 1 - Checking Redundancies %1 of %2</source>
        <translation>ETAPA 1 – Verificando duplicatas: %1 de %2</translation>
    </message>
    <message>
        <source>exact (the same e-mail, or the same telephone or address and the same name)</source>
        <translation>exata (o mesmo e-mail, ou o mesmo telefone ou endereço e o mesmo nome)</translation>
    </message>
    <message>
        <source>tolerant (case, spacing, accents, number format)</source>
        <translation>tolerante (maiúsculas, espaços, acentos, formato de número)</translation>
    </message>
    <message>
        <source>, default country code +%1</source>
        <translation>, código de país padrão +%1</translation>
    </message>
    <message>
        <source>decided by you</source>
        <translation>decidido por você</translation>
    </message>
    <message>
        <source>decided by an answer for all remaining conflicts</source>
        <translation>decidido por uma resposta para todos os conflitos restantes</translation>
    </message>
    <message>
        <source>no conflict to decide</source>
        <translation>nenhum conflito a decidir</translation>
    </message>
    <message numerus="yes">
        <source>%n Contacts Removed</source>
        <translation>
            <numerusform>%n contato removido</numerusform>
            <numerusform>%n contatos removidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pass 1 redundancy operation removed %n contacts.</source>
        <translation>
            <numerusform>A etapa 1 da verificação de duplicatas removeu %n contato.</numerusform>
            <numerusform>A etapa 1 da verificação de duplicatas removeu %n contatos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pass 1 Completed</source>
        <translation>Etapa 1 concluída</translation>
    </message>
    <message>
        <source>Matching for Pass 2:</source>
        <translation>Correspondência na etapa 2:</translation>
    </message>
    <message>
        <source>Would you like to continue to Pass 2?</source>
        <translation>Deseja continuar para a etapa 2?</translation>
    </message>
    <message numerus="yes">
        <source>Pass 2 redundancy operation removed %n additional contacts.</source>
        <translation>
            <numerusform>A etapa 2 da verificação de duplicatas removeu mais %n contato.</numerusform>
            <numerusform>A etapa 2 da verificação de duplicatas removeu mais %n contatos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pass 2 Completed</source>
        <translation>Etapa 2 concluída</translation>
    </message>
    <message>
        <source>Performing Contact Cleaner...</source>
        <translation>Limpando os contatos…</translation>
    </message>
    <message>
        <source>Loading File Data...</source>
        <translation>Carregando os dados do arquivo…</translation>
    </message>
    <message>
        <source>Writing Output Files...</source>
        <translation>Gravando os arquivos de saída…</translation>
    </message>
    <message>
        <source>%1 contacts read, %2 identical contacts removed, %3 similar contacts merged, %4 contacts written.</source>
        <translation>%1 contatos lidos, %2 contatos idênticos removidos, %3 contatos semelhantes mesclados, %4 contatos gravados.</translation>
    </message>
    <message>
        <source>Contact (%1)</source>
        <translation>Contato (%1)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Both removed (Keep Neither), </source>
        <translation>Ambos removidos (Não manter nenhum), </translation>
    </message>
    <message>
        <source>Merged, </source>
        <translation>Mesclados, </translation>
    </message>
    <message>
        <source>PASS 2 - Checking Redundancies %1 of %2</source>
        <translation>ETAPA 2 – Verificando duplicatas: %1 de %2</translation>
    </message>
    <message>
        <source>Same e-mail ignoring case: %1</source>
        <translation>Mesmo e-mail, sem diferenciar maiúsculas: %1</translation>
    </message>
    <message>
        <source>Same telephone number and name folded: %1, %2</source>
        <translation>Mesmo número de telefone e mesmo nome normalizado: %1, %2</translation>
    </message>
    <message>
        <source>Same address ignoring case and spacing and name folded: %1, %2</source>
        <translation>Mesmo endereço, sem diferenciar maiúsculas e espaços, e mesmo nome normalizado: %1, %2</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>Written as vCard %1.</source>
        <translation>Gravado como vCard %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n values could not be decoded and were written as read; the report names them.</source>
        <translation>
            <numerusform>%n valor não pôde ser decodificado e foi gravado como lido; o relatório o indica.</numerusform>
            <numerusform>%n valores não puderam ser decodificados e foram gravados como lidos; o relatório os indica.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Raw (one column per tag)</source>
        <translation>Bruto (uma coluna por propriedade)</translation>
    </message>
    <message>
        <source>&amp;Raw (one column per tag)</source>
        <translation>&amp;Bruto (uma coluna por propriedade)</translation>
    </message>
    <message>
        <source>Google Contacts CSV</source>
        <translation>Google Contatos (CSV)</translation>
    </message>
    <message>
        <source>&amp;Google Contacts</source>
        <translation>&amp;Google Contatos</translation>
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
        <translation>Campo próprio (X-CSV-…)</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Nome completo</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Nome do meio</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source>Name prefix</source>
        <translation>Prefixo do nome</translation>
    </message>
    <message>
        <source>Name suffix</source>
        <translation>Sufixo do nome</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Apelido</translation>
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
        <translation>Aniversário</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Observação</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Work e-mail</source>
        <translation>E-mail comercial</translation>
    </message>
    <message>
        <source>Home e-mail</source>
        <translation>E-mail pessoal</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Work phone</source>
        <translation>Telefone comercial</translation>
    </message>
    <message>
        <source>Home phone</source>
        <translation>Telefone residencial</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Work web site</source>
        <translation>Site comercial</translation>
    </message>
    <message>
        <source>Home web site</source>
        <translation>Site pessoal</translation>
    </message>
    <message>
        <source>Mobile phone</source>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Fax phone</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Work fax phone</source>
        <translation>Fax comercial</translation>
    </message>
    <message>
        <source>Home fax phone</source>
        <translation>Fax residencial</translation>
    </message>
    <message>
        <source>Pager phone</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Rua</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Estado/Região</translation>
    </message>
    <message>
        <source>Postal code</source>
        <translation>CEP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>PO box</source>
        <translation>Caixa postal</translation>
    </message>
    <message>
        <source>Work street</source>
        <translation>Rua (comercial)</translation>
    </message>
    <message>
        <source>Work city</source>
        <translation>Cidade (comercial)</translation>
    </message>
    <message>
        <source>Work region</source>
        <translation>Estado/Região (comercial)</translation>
    </message>
    <message>
        <source>Work postal code</source>
        <translation>CEP (comercial)</translation>
    </message>
    <message>
        <source>Work country</source>
        <translation>País (comercial)</translation>
    </message>
    <message>
        <source>Work PO box</source>
        <translation>Caixa postal (comercial)</translation>
    </message>
    <message>
        <source>Home street</source>
        <translation>Rua (residencial)</translation>
    </message>
    <message>
        <source>Home city</source>
        <translation>Cidade (residencial)</translation>
    </message>
    <message>
        <source>Home region</source>
        <translation>Estado/Região (residencial)</translation>
    </message>
    <message>
        <source>Home postal code</source>
        <translation>CEP (residencial)</translation>
    </message>
    <message>
        <source>Home country</source>
        <translation>País (residencial)</translation>
    </message>
    <message>
        <source>Home PO box</source>
        <translation>Caixa postal (residencial)</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Work fax</source>
        <translation>Fax comercial</translation>
    </message>
    <message>
        <source>Home fax</source>
        <translation>Fax residencial</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Work address</source>
        <translation>Endereço comercial</translation>
    </message>
    <message>
        <source>Home address</source>
        <translation>Endereço residencial</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Work web page</source>
        <translation>Página web comercial</translation>
    </message>
    <message>
        <source>Home web page</source>
        <translation>Página web pessoal</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Nome de exibição</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organização</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Função</translation>
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
        <translation>Localização</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorias</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Gênero</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Instant messaging</source>
        <translation>Mensagens instantâneas</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Data comemorativa</translation>
    </message>
    <message>
        <source>Address label</source>
        <translation>Etiqueta de endereço</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Chave</translation>
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
        <translation>“%1” é o arquivo que esta mesclagem grava, então não pode ser mesclado também. Deixe-o de fora ou renomeie-o e mescle novamente.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Não é possível abrir “%1”: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Não é possível ler “%1”: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Não é possível gravar “%1”: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Não é possível criar “%1”: %2</translation>
    </message>
    <message>
        <source>Cannot open the folder &quot;%1&quot;: %2</source>
        <translation>Não é possível abrir a pasta “%1”: %2</translation>
    </message>
    <message>
        <source>Cannot read the folder &quot;%1&quot;: %2</source>
        <translation>Não é possível ler a pasta “%1”: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;: %2</source>
        <translation>Não é possível criar a pasta “%1”: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: it is not a regular file.</source>
        <translation>Não é possível ler “%1”: não é um arquivo comum.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link, not a folder. Remove or rename it, then try again.</source>
        <translation>“%1” é um link, não uma pasta. Remova-o ou renomeie-o e tente novamente.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the way: it is not a folder. Remove or rename it, then try again.</source>
        <translation>“%1” impede a operação: não é uma pasta. Remova-o ou renomeie-o e tente novamente.</translation>
    </message>
</context>
<context>
    <name>Limits</name>
    <message>
        <source>A contact holds more than 4 GB of text, more than this program can process.</source>
        <translation>Um contato contém mais de 4 GB de texto, mais do que este programa consegue processar.</translation>
    </message>
    <message>
        <source>%2 holds more than %1 contacts, the most this program can process.</source>
        <translation>%2 contém mais de %1 contatos, o máximo que este programa consegue processar.</translation>
    </message>
    <message>
        <source>Contact %2 of %3 holds more than %1 lines, the most this program can process.</source>
        <translation>O contato %2 de %3 contém mais de %1 linhas, o máximo que este programa consegue processar.</translation>
    </message>
    <message>
        <source>The input holds more than %1 distinct tags, the most this program can process.</source>
        <translation>A entrada contém mais de %1 propriedades distintas, o máximo que este programa consegue processar.</translation>
    </message>
    <message>
        <source>A cell of the file is larger than 4 GB, more than this program reads.</source>
        <translation>Uma célula do arquivo tem mais de 4 GB, mais do que este programa lê.</translation>
    </message>
    <message>
        <source>%2 holds more than %1 rows, the most this program can process.</source>
        <translation>%2 contém mais de %1 linhas, o máximo que este programa consegue processar.</translation>
    </message>
    <message>
        <source>The selection holds more than %1 files, the most this program can process.</source>
        <translation>A seleção contém mais de %1 arquivos, o máximo que este programa consegue processar.</translation>
    </message>
    <message>
        <source>%2 holds more than %1 .vcf files, the most this program can process.</source>
        <translation>%2 contém mais de %1 arquivos .vcf, o máximo que este programa consegue processar.</translation>
    </message>
    <message>
        <source>The merge holds more than %1 contacts, the most this program can process.</source>
        <translation>A mesclagem contém mais de %1 contatos, o máximo que este programa consegue processar.</translation>
    </message>
</context>
<context>
    <name>Run</name>
    <message>
        <source>Earlier Split Found</source>
        <translation>Divisão anterior encontrada</translation>
    </message>
    <message>
        <source>%1 already holds files of an earlier run.</source>
        <translation>%1 já contém arquivos de uma execução anterior.</translation>
    </message>
    <message>
        <source>Write this split into a new folder, or add its files to that one?</source>
        <translation>Gravar esta divisão em uma nova pasta ou adicionar os arquivos a essa?</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>Gravar em %1</translation>
    </message>
    <message>
        <source>Add to %1</source>
        <translation>Adicionar a %1</translation>
    </message>
    <message>
        <source>File Already Exists</source>
        <translation>O arquivo já existe</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 já existe.</translation>
    </message>
    <message>
        <source>Replace it, or keep both and write the new file as %1?</source>
        <translation>Substituí-lo ou manter os dois e gravar o novo arquivo como %1?</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>Manter os dois</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Holding the folder &quot;%1&quot;: click Run Now to recombine its files.</source>
        <translation>Pasta “%1” preparada: clique em Executar agora para recombinar seus arquivos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file or folder; nothing is held.</source>
        <translation>“%1” não é um arquivo nem uma pasta; nada foi preparado.</translation>
    </message>
    <message>
        <source>Holding &quot;%1&quot;: click Run Now to export it.</source>
        <translation>“%1” preparado: clique em Executar agora para exportá-lo.</translation>
    </message>
    <message>
        <source>Holding &quot;%1&quot;: click Run Now to import it.</source>
        <translation>“%1” preparado: clique em Executar agora para importá-lo.</translation>
    </message>
    <message>
        <source>Holding &quot;%1&quot;: click Run Now to split it.</source>
        <translation>“%1” preparado: clique em Executar agora para dividi-lo.</translation>
    </message>
    <message>
        <source>Files from several folders cannot be merged together; nothing is held.</source>
        <translation>Arquivos de várias pastas não podem ser mesclados juntos; nada foi preparado.</translation>
    </message>
    <message numerus="yes">
        <source>Holding %n files of &quot;%1&quot;: click Run Now to merge them.</source>
        <translation>
            <numerusform>%n arquivo de “%1” preparado: clique em Executar agora para mesclá-lo.</numerusform>
            <numerusform>%n arquivos de “%1” preparados: clique em Executar agora para mesclá-los.</numerusform>
        </translation>
    </message>
    <message>
        <source>vCard has not been successfully split.</source>
        <translation>O vCard não foi dividido.</translation>
    </message>
    <message>
        <source>vCard Split Failed</source>
        <translation>Falha ao dividir o vCard</translation>
    </message>
    <message>
        <source>vCard Split Stopped</source>
        <translation>Divisão do vCard interrompida</translation>
    </message>
    <message>
        <source>vCard has been split successfully.</source>
        <translation>O vCard foi dividido com sucesso.</translation>
    </message>
    <message numerus="yes">
        <source>%n files have been created in...</source>
        <translation>
            <numerusform>%n arquivo foi criado em…</numerusform>
            <numerusform>%n arquivos foram criados em…</numerusform>
        </translation>
    </message>
    <message>
        <source>vCard Split Successfull</source>
        <translation>vCard dividido com sucesso</translation>
    </message>
    <message>
        <source>vCard Split Successful</source>
        <translation>vCard dividido com sucesso</translation>
    </message>
    <message>
        <source>vCard recombination has not been completed.</source>
        <translation>A recombinação dos vCards não foi concluída.</translation>
    </message>
    <message>
        <source>vCard Recombine Failed</source>
        <translation>Falha ao recombinar os vCards</translation>
    </message>
    <message>
        <source>vCard Recombination Failed</source>
        <translation>Falha ao recombinar os vCards</translation>
    </message>
    <message>
        <source>vCard Recombination Stopped</source>
        <translation>Recombinação dos vCards interrompida</translation>
    </message>
    <message>
        <source>vCard files have been successfully recombined.</source>
        <translation>Os arquivos vCard foram recombinados com sucesso.</translation>
    </message>
    <message numerus="yes">
        <source>%n total files have been combined into...</source>
        <translation>
            <numerusform>%n arquivo no total foi combinado em…</numerusform>
            <numerusform>%n arquivos no total foram combinados em…</numerusform>
        </translation>
    </message>
    <message>
        <source>vCard Recombine Successfull</source>
        <translation>vCards recombinados com sucesso</translation>
    </message>
    <message>
        <source>vCard Recombination Successful</source>
        <translation>vCards recombinados com sucesso</translation>
    </message>
    <message>
        <source>vCards have not been successfully merged.</source>
        <translation>Os vCards não foram mesclados.</translation>
    </message>
    <message>
        <source>vCard Processing Failed</source>
        <translation>Falha ao processar o vCard</translation>
    </message>
    <message>
        <source>vCard Merge Failed</source>
        <translation>Falha ao mesclar os vCards</translation>
    </message>
    <message>
        <source>vCard Merge Stopped</source>
        <translation>Mesclagem dos vCards interrompida</translation>
    </message>
    <message>
        <source>vCards have been merged successfully.</source>
        <translation>Os vCards foram mesclados com sucesso.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards have been combined into...</source>
        <translation>
            <numerusform>%n cartão foi combinado em…</numerusform>
            <numerusform>%n cartões foram combinados em…</numerusform>
        </translation>
    </message>
    <message>
        <source>vCard Merge Successfull</source>
        <translation>vCards mesclados com sucesso</translation>
    </message>
    <message>
        <source>vCard Merge Successful</source>
        <translation>vCards mesclados com sucesso</translation>
    </message>
    <message>
        <source>vCard has not been successfully exported.</source>
        <translation>O vCard não foi exportado.</translation>
    </message>
    <message>
        <source>vCard Export Failed</source>
        <translation>Falha ao exportar o vCard</translation>
    </message>
    <message>
        <source>vCard Export Stopped</source>
        <translation>Exportação do vCard interrompida</translation>
    </message>
    <message>
        <source>vCard has been exported successfully.</source>
        <translation>O vCard foi exportado com sucesso.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards have been exported into...</source>
        <translation>
            <numerusform>%n cartão foi exportado em…</numerusform>
            <numerusform>%n cartões foram exportados em…</numerusform>
        </translation>
    </message>
    <message>
        <source>vCard Export Successfull</source>
        <translation>vCard exportado com sucesso</translation>
    </message>
    <message>
        <source>vCard Export Successful</source>
        <translation>vCard exportado com sucesso</translation>
    </message>
    <message>
        <source>CSV file has not been imported.</source>
        <translation>O arquivo CSV não foi importado.</translation>
    </message>
    <message>
        <source>CSV Import Failed</source>
        <translation>Falha ao importar o CSV</translation>
    </message>
    <message>
        <source>CSV Import Stopped</source>
        <translation>Importação do CSV interrompida</translation>
    </message>
    <message>
        <source>CSV file has been imported successfully.</source>
        <translation>O arquivo CSV foi importado com sucesso.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts have been written into...</source>
        <translation>
            <numerusform>%n contato foi gravado em…</numerusform>
            <numerusform>%n contatos foram gravados em…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV Import Successful</source>
        <translation>CSV importado com sucesso</translation>
    </message>
    <message>
        <source>The selected location does not contain multiple vCard contact files.</source>
        <translation>O local escolhido não contém vários arquivos de contato vCard.</translation>
    </message>
    <message>
        <source>Please choose a path containing multiple vCards to be recombined.</source>
        <translation>Escolha um local que contenha vários vCards a recombinar.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nada foi gravado.</translation>
    </message>
    <message>
        <source>Nothing to Process</source>
        <translation>Nada a processar</translation>
    </message>
    <message>
        <source>Stopped: nothing was written; an earlier file of that name is as it was.</source>
        <translation>Interrompido: nada foi gravado; um arquivo anterior com esse nome continua como estava.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n contact files were written in</source>
        <translation>
            <numerusform>Interrompido: %1 de %n arquivo de contato foi gravado em</numerusform>
            <numerusform>Interrompido: %1 de %n arquivos de contato foram gravados em</numerusform>
        </translation>
    </message>
    <message>
        <source>There is not enough memory to read &quot;%1&quot;.</source>
        <translation>Não há memória suficiente para ler “%1”.</translation>
    </message>
    <message numerus="yes">
        <source>%n vCard Files Found</source>
        <translation>
            <numerusform>%n arquivo vCard encontrado</numerusform>
            <numerusform>%n arquivos vCard encontrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files selected</source>
        <translation>
            <numerusform>%n arquivo selecionado</numerusform>
            <numerusform>%n arquivos selecionados</numerusform>
        </translation>
    </message>
    <message>
        <source>Merging...</source>
        <translation>Mesclando…</translation>
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
            <numerusform>%n valor além do décimo do seu tipo foi gravado nas observações.</numerusform>
            <numerusform>%n valores além do décimo do seu tipo foram gravados nas observações.</numerusform>
        </translation>
    </message>
    <message>
        <source>The selected CSV file holds no contacts to import.</source>
        <translation>O arquivo CSV escolhido não contém contatos a importar.</translation>
    </message>
    <message>
        <source>Please choose a CSV file with a header row and at least one row of contacts.</source>
        <translation>Escolha um arquivo CSV com uma linha de cabeçalho e pelo menos uma linha de contatos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not have the columns %2 of the column set chosen.</source>
        <translation>“%1” não tem as colunas %2 do conjunto de colunas escolhido.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando…</translation>
    </message>
    <message>
        <source>%1 rows read, %2 contacts written.</source>
        <translation>%1 linhas lidas, %2 contatos gravados.</translation>
    </message>
    <message>
        <source>The selected vCard does not contain multiple contacts.</source>
        <translation>O vCard escolhido não contém vários contatos.</translation>
    </message>
    <message>
        <source>Please choose a multiple-entry vCard file.</source>
        <translation>Escolha um arquivo vCard com vários contatos.</translation>
    </message>
    <message>
        <source>Verifying Input File...</source>
        <translation>Verificando o arquivo de entrada…</translation>
    </message>
    <message numerus="yes">
        <source>vCard Count = %n Cards</source>
        <translation>
            <numerusform>Quantidade de vCards: %n cartão</numerusform>
            <numerusform>Quantidade de vCards: %n cartões</numerusform>
        </translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Processando %1</translation>
    </message>
</context>
<context>
    <name>palvren::AboutWindow</name>
    <message>
        <source>About Palvren</source>
        <translation>Sobre o Palvren</translation>
    </message>
</context>
<context>
    <name>palvren::ColumnMappingDialog</name>
    <message>
        <source>Column</source>
        <translation>Coluna</translation>
    </message>
    <message>
        <source>First values</source>
        <translation>Primeiros valores</translation>
    </message>
    <message>
        <source>Goes to</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Import CSV Columns</source>
        <translation>Importar colunas do CSV</translation>
    </message>
    <message>
        <source>Palvren does not know the columns of this file. Choose where each one goes; nothing is written until you click Import. A column kept as its own field is written as an X-CSV- property, never dropped.</source>
        <translation>O Palvren não conhece as colunas deste arquivo. Escolha o destino de cada uma; nada é gravado até você clicar em Importar. Uma coluna mantida como campo próprio é gravada como propriedade X-CSV-, nunca descartada.</translation>
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
        <translation>Imagem %1, %2 pixels, %3 bytes</translation>
    </message>
    <message>
        <source>Select the Correct Data</source>
        <translation>Escolha os dados corretos</translation>
    </message>
    <message>
        <source>Keep Neither</source>
        <translation>Não manter nenhum</translation>
    </message>
    <message>
        <source>Update Existing Data Field</source>
        <translation>Alterar o campo existente</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Campos</translation>
    </message>
    <message>
        <source>Option 1</source>
        <translation>Opção 1</translation>
    </message>
    <message>
        <source>Option 2</source>
        <translation>Opção 2</translation>
    </message>
    <message>
        <source>Double-click a row, or press F2, to type its value for both contacts</source>
        <translation>Clique duas vezes em uma linha ou pressione F2 para digitar o valor dela para os dois contatos</translation>
    </message>
    <message>
        <source>Conflicting data exists for this redundancy.  Select the value to keep.</source>
        <translation>Há dados conflitantes nesta duplicata. Escolha o valor a manter.</translation>
    </message>
    <message>
        <source>Contact (%1)</source>
        <translation>Contato (%1)</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>Manter os dois</translation>
    </message>
    <message>
        <source>This is not a redundancy. Keep Both: these are two people — keep both contacts as they are</source>
        <translation>Não é uma duplicata. Manter os dois: são duas pessoas — manter os dois contatos como estão</translation>
    </message>
    <message>
        <source>This is the correct information for this field: keep %1&apos;s value and merge the two contacts</source>
        <translation>Esta é a informação correta para este campo: manter o valor de %1 e mesclar os dois contatos</translation>
    </message>
    <message>
        <source>Keep Option 1</source>
        <translation>Manter opção 1</translation>
    </message>
    <message>
        <source>Keep Option 2</source>
        <translation>Manter opção 2</translation>
    </message>
    <message>
        <source>Both options are garbage: remove both contacts (asks first)</source>
        <translation>Nenhuma opção serve: remover os dois contatos (pede confirmação)</translation>
    </message>
    <message>
        <source>Keep Both Values</source>
        <translation>Manter os dois valores</translation>
    </message>
    <message>
        <source>Both values are right: keep them both in the merged contact (for a field that holds several, such as e-mails)</source>
        <translation>Os dois valores estão certos: manter ambos no contato mesclado (para um campo com vários valores, como e-mails)</translation>
    </message>
    <message>
        <source>&amp;Apply to all remaining conflicts</source>
        <translation>&amp;Aplicar a todos os conflitos restantes</translation>
    </message>
    <message>
        <source>Answer every later conflict of this check the same way, for pairs named alike (a pair named otherwise is still asked; Keep Neither, which removes both contacts, never applies to others)</source>
        <translation>Responder da mesma forma a cada conflito seguinte desta verificação, para pares com o mesmo nome (um par com outro nome ainda é perguntado; Não manter nenhum, que remove os dois contatos, nunca se aplica a outros)</translation>
    </message>
    <message>
        <source>S&amp;top Checking</source>
        <translation>Parar de &amp;verificar</translation>
    </message>
    <message>
        <source>Ask no more: keep both contacts of this and every remaining pair, and write the files</source>
        <translation>Não perguntar mais: manter os dois contatos deste e de todos os pares restantes e gravar os arquivos</translation>
    </message>
    <message>
        <source>The two contacts matched on this field</source>
        <translation>Os dois contatos coincidem neste campo</translation>
    </message>
    <message>
        <source>Enter the value for the &quot;%1&quot; field here:</source>
        <translation>Digite aqui o valor do campo “%1”:</translation>
    </message>
    <message>
        <source>Contact (%1) keeps this field in %2, which cannot hold every character typed. Type the value with letters it can hold.</source>
        <translation>O contato (%1) guarda este campo em %2, que não comporta todos os caracteres digitados. Digite o valor com letras que ele comporte.</translation>
    </message>
    <message>
        <source>Keep Neither removes both contacts from the files written. Remove both?</source>
        <translation>Não manter nenhum remove os dois contatos dos arquivos gravados. Remover os dois?</translation>
    </message>
    <message>
        <source>%1 image, %2 bytes</source>
        <translation>Imagem %1, %2 bytes</translation>
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
&lt;p&gt;Muitos celulares e catálogos de endereços exportam todos os contatos em um único arquivo vCard
com vários contatos, mas muitos programas esperam um contato por arquivo e não conseguem importar
um arquivo assim. O Palvren faz a ponte entre os dois e, de quebra, mantém seu catálogo de
endereços organizado:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Dividir um arquivo vCard com vários contatos em arquivos de um só contato, nomeados pelos
dados do contato ou numerados em sequência.&lt;/li&gt;
&lt;li&gt;Mesclar vários arquivos com vários contatos em um só, para que a verificação de duplicatas
percorra todos de uma vez.&lt;/li&gt;
&lt;li&gt;A limpeza de cartões, que remove dados repetidos dentro de cada contato.&lt;/li&gt;
&lt;li&gt;A verificação de duplicatas, que remove contatos idênticos.&lt;/li&gt;
&lt;li&gt;A mesclagem de contatos, que une contatos semelhantes ou pergunta a você os dados
corretos.&lt;/li&gt;
&lt;li&gt;Recombinar arquivos de um só contato em um grande arquivo com vários contatos.&lt;/li&gt;
&lt;li&gt;A exportação para CSV, que mostra cada campo presente em um arquivo com vários
contatos.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Dúvidas, ideias ou problemas? Escreva para nós no endereço de e-mail mostrado acima.&lt;/p&gt;
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
&lt;p&gt;A verificação de duplicatas é complexa e se divide nas etapas lógicas detalhadas aqui.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;Qualquer verificação de duplicatas&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;p style=&quot;margin-left: 48px; text-indent: -24px;&quot;&gt;Limpeza de contatos: a limpeza percorre cada
cartão de contato e remove dados repetidos de uma propriedade. Um contato pode ter várias
propriedades de um mesmo tipo (telefone residencial, telefone comercial, endereço residencial,
endereço comercial), mas nunca mais de uma entrada de um mesmo tipo.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;Verificação de duplicatas, ETAPA 1&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;ol type=&quot;1&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;Executar primeiro a limpeza de contatos, para dados mais confiáveis.&lt;/li&gt;
&lt;li&gt;Comparar cada contato com todos os outros em busca de correspondências idênticas. Idêntico
significa:
&lt;ol type=&quot;a&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;o mesmo número de propriedades,&lt;/li&gt;
&lt;li&gt;os mesmos identificadores de propriedade,&lt;/li&gt;
&lt;li&gt;os mesmos dados em cada propriedade.&lt;/li&gt;
&lt;/ol&gt;&lt;/li&gt;
&lt;/ol&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;Verificação de duplicatas, ETAPA 2&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;ol type=&quot;1&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;Executar a etapa 1, que inclui a limpeza de contatos.&lt;/li&gt;
&lt;li&gt;Comparar cada contato com todos os outros em busca de uma &lt;b&gt;CORRESPONDÊNCIA&lt;/b&gt; de
semelhança, ou seja, qualquer uma destas:
&lt;ol type=&quot;a&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;dois contatos com um e-mail idêntico e válido na mesma propriedade (válido significa: um
nome, o caractere “@” e um domínio com ponto, como em ann@example.org);&lt;/li&gt;
&lt;li&gt;dois contatos com telefones idênticos na mesma propriedade, desde que
&lt;ol type=&quot;i&quot; style=&quot;margin-left: 24px;&quot;&gt;&lt;li&gt;o nome também coincida, ou seja, campos NOME ou NOME
DE EXIBIÇÃO idênticos (um nome vazio não é um nome);&lt;/li&gt;&lt;/ol&gt;&lt;/li&gt;
&lt;li&gt;dois contatos com endereços idênticos na mesma propriedade, desde que
&lt;ol type=&quot;i&quot; style=&quot;margin-left: 24px;&quot;&gt;&lt;li&gt;o nome também coincida, como acima.&lt;/li&gt;&lt;/ol&gt;&lt;/li&gt;
&lt;/ol&gt;&lt;/li&gt;
&lt;/ol&gt;
&lt;p&gt;Sempre que dois contatos semelhantes tiverem dados diferentes no mesmo campo, você escolhe qual
valor manter (ou os dois, em um campo com vários valores, como e-mails), se afinal são duas
pessoas diferentes ou se nenhum vale a pena manter. Um campo que dois programas gravam de forma
diferente é um só campo, e dois contatos de duas versões de vCard viram um contato da versão mais
alta. Antes de gravar qualquer coisa, uma revisão lista cada mesclagem; desmarque uma para manter
os contatos dela como estavam.&lt;/p&gt;
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
&lt;p&gt;&lt;b&gt;&lt;u&gt;Correspondência tolerante (ativa)&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;A etapa 2 compara os campos apenas pelo nome, qualquer que seja o tipo ou grupo, e compara os
valores como uma pessoa os lê:&lt;/p&gt;
&lt;ol type=&quot;a&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;e-mails sem diferenciar maiúsculas, sem espaços nem “mailto:”;&lt;/li&gt;
&lt;li&gt;telefones como o número internacional que representam (0055 como +55, com o ramal à
parte%1); um número que não pode ser lido assim é comparado pelos dígitos e letras, se tiver pelo
menos sete dígitos;&lt;/li&gt;
&lt;li&gt;endereços sem diferenciar maiúsculas nem espaços a mais;&lt;/li&gt;
&lt;li&gt;nomes sem diferenciar maiúsculas, acentos, pontuação nem a ordem “Sobrenome, Nome”. Quando os
dois contatos têm nome de exibição, ele decide; as partes do nome só decidem quando um deles não
o tem, e um sobrenome sozinho nunca coincide.&lt;/li&gt;
&lt;/ol&gt;
&lt;/div&gt;</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>palvren::MainWindow</name>
    <message>
        <source>This option will request the file name of a singe multiple-contact vCard file (.vcf), and create a folder in that directory with the name &quot;Split-vCards&quot;.  Within that folder, a single VCF file will be created for each contact found in the original multiple-contact vCard.  These single-contact VCF files should be compatible with most devices and software (such as MS-Outlook, cell-phones, etc.)</source>
        <translation>Esta opção pede o nome de um único arquivo vCard com vários contatos (.vcf) e cria nesse diretório uma pasta chamada “Split-vCards”. Nela é criado um arquivo VCF para cada contato do vCard original. Esses arquivos de um só contato devem funcionar na maioria dos aparelhos e programas (MS Outlook, celulares etc.).</translation>
    </message>
    <message>
        <source>This option will request the path to the folder containing multiple, single-contact vCard files.  It will then re-combine all of the contacts into one large multiple-contact vCard file.  This option is effectively the reverse function of the first (Split) option.</source>
        <translation>Esta opção pede o caminho da pasta que contém vários arquivos vCard de um só contato e recombina todos os contatos em um grande arquivo vCard com vários contatos. Na prática, é o inverso da primeira opção (Dividir).</translation>
    </message>
    <message>
        <source>This option will request the file names of several multiple-contact vCard files and merge them together into one large vCard file.  From here, the other options may be employed to split, export, or check for redundancies.</source>
        <translation>Esta opção pede os nomes de vários arquivos vCard com vários contatos e os mescla em um grande arquivo vCard. Depois, as outras opções permitem dividi-lo, exportá-lo ou verificar duplicatas.</translation>
    </message>
    <message>
        <source>This option will request the file name of a singe, multiple-contact vCard file (.vcf), and create a comma-delimted text file (.csv) containing all of the information.  This file may be imported in MS-Excel (or similar) so that all of the contact information may be manually parsed or concatenated by the user.</source>
        <translation>Esta opção pede o nome de um único arquivo vCard com vários contatos (.vcf) e cria um arquivo de texto separado por vírgulas (.csv) com todas as informações. Esse arquivo pode ser importado no MS Excel (ou similar) para que você analise ou junte manualmente todas as informações dos contatos.</translation>
    </message>
    <message>
        <source>This option will request the file name of a CSV file (.csv) that a spreadsheet, Google Contacts, Outlook, Thunderbird or this program wrote, and create the multiple-contact vCard file &quot;Contacts_Imported.vcf&quot; beside it, one contact for each row.  When it does not know the columns, it asks where each one goes before anything is written.</source>
        <translation>Esta opção pede o nome de um arquivo CSV (.csv) gravado por uma planilha, pelo Google Contatos, pelo Outlook, pelo Thunderbird ou por este programa, e cria ao lado dele o arquivo vCard “Contacts_Imported.vcf”, com um contato por linha. Quando não conhece as colunas, pergunta o destino de cada uma antes de gravar qualquer coisa.</translation>
    </message>
    <message>
        <source>Palvren - Main Window</source>
        <translation>Palvren – Janela principal</translation>
    </message>
    <message>
        <source>&amp;Run Now</source>
        <translation>&amp;Executar agora</translation>
    </message>
    <message>
        <source>Split a multi-contact vCard into separate vCard files</source>
        <translation>Dividir um vCard com vários contatos em arquivos vCard separados</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file: the options start at their defaults and are not saved.</source>
        <translation>“%1” não é um arquivo comum: as opções começam com os valores padrão e não são salvas.</translation>
    </message>
    <message>
        <source>What to Do</source>
        <translation>O que fazer</translation>
    </message>
    <message>
        <source>&amp;Multiple-Contact vCard to Individual vCard Split</source>
        <translation>&amp;Dividir vCard de vários contatos em vCards individuais</translation>
    </message>
    <message>
        <source>R&amp;ecombine Single vCard Files into Mutiple-Contact File</source>
        <translation>&amp;Recombinar vCards individuais em um arquivo de vários contatos</translation>
    </message>
    <message>
        <source>Mer&amp;ge Multiple vCard Files Together</source>
        <translation>&amp;Mesclar vários arquivos vCard</translation>
    </message>
    <message>
        <source>E&amp;xport Multiple-Contact vCard File to Raw CSV</source>
        <translation>E&amp;xportar vCard de vários contatos para CSV bruto</translation>
    </message>
    <message>
        <source>Im&amp;port CSV File into Multiple-Contact vCard</source>
        <translation>&amp;Importar arquivo CSV para vCard de vários contatos</translation>
    </message>
    <message>
        <source>Redundancy Options</source>
        <translation>Opções de duplicatas</translation>
    </message>
    <message>
        <source>Any time a contact redundancy is found (as described in the &quot;More Info&quot; box above), the following action(s) will be taken:</source>
        <translation>Sempre que um contato duplicado for encontrado (como descrito em “Mais informações”), será feito o seguinte:</translation>
    </message>
    <message>
        <source>1 PASS - Eliminate Perfect Duplicates Only</source>
        <translation>1 ETAPA – Remover só duplicatas exatas</translation>
    </message>
    <message>
        <source>* Only take action on identical fields and contents</source>
        <translation>* Agir apenas em campos e conteúdos idênticos</translation>
    </message>
    <message>
        <source>2 PASS - Perfect Dupliicates + Attempt to Merge &quot;Similar&quot;</source>
        <translation>2 ETAPAS – Duplicatas exatas + mesclar “semelhantes”</translation>
    </message>
    <message>
        <source>* User will be prompted for dissimilar data in identical fields</source>
        <translation>* Você será consultado sobre dados diferentes em campos idênticos</translation>
    </message>
    <message>
        <source>Tolerant Matching is on: Pass 2 ignores case, spacing, accents and number format.</source>
        <translation>A correspondência tolerante está ativa: a etapa 2 ignora maiúsculas, espaços, acentos e formato de número.</translation>
    </message>
    <message>
        <source>Execution Details/Options</source>
        <translation>Execução/Opções</translation>
    </message>
    <message>
        <source>vCard Naming Options</source>
        <translation>Nomes dos vCards</translation>
    </message>
    <message>
        <source>Name vCards &amp;Numerically</source>
        <translation>Nomear vCards &amp;numericamente</translation>
    </message>
    <message>
        <source>Every vCard file will be named per its index without reguard to contents</source>
        <translation>Cada arquivo vCard recebe o nome do seu número, sem levar em conta o conteúdo</translation>
    </message>
    <message>
        <source> Name vCards from &amp;Contact Info</source>
        <translation> Nomear vCards pelos dados do &amp;contato</translation>
    </message>
    <message>
        <source>vCard files will be named per the first valid field in the following sequence: Formatted Name, Name, Title, Email</source>
        <translation>Os arquivos vCard recebem o nome do primeiro campo válido nesta ordem: nome de exibição, nome, cargo, e-mail</translation>
    </message>
    <message>
        <source>Check for Re&amp;dundancies</source>
        <translation>&amp;Verificar duplicatas</translation>
    </message>
    <message>
        <source>More &amp;Info</source>
        <translation>Mais in&amp;formações</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was handed over: it is held when this run ends.</source>
        <translation>“%1” foi entregue: será preparado quando esta execução terminar.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were handed over: they are held when this run ends.</source>
        <translation>
            <numerusform>%n arquivo foi entregue: será preparado quando esta execução terminar.</numerusform>
            <numerusform>%n arquivos foram entregues: serão preparados quando esta execução terminar.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>A run is in progress. Stop it and quit?</source>
        <translation>Há uma execução em andamento. Interrompê-la e sair?</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>Contando</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Carregando</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Limpando</translation>
    </message>
    <message>
        <source>Pass 1:</source>
        <translation>Etapa 1:</translation>
    </message>
    <message>
        <source>Pass 2:</source>
        <translation>Etapa 2:</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Gravando</translation>
    </message>
    <message>
        <source>Exporting</source>
        <translation>Exportando</translation>
    </message>
    <message>
        <source>Merging</source>
        <translation>Mesclando</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Redundancy Logic</source>
        <translation>Lógica de &amp;duplicatas</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Tolerant Matching (case, spacing, accents, number format)</source>
        <translation>Correspondência &amp;tolerante (maiúsculas, espaços, acentos, formato de número)</translation>
    </message>
    <message>
        <source>Default &amp;Country Code...</source>
        <translation>&amp;Código de país padrão…</translation>
    </message>
    <message>
        <source>&amp;Export Format</source>
        <translation>Formato de &amp;exportação</translation>
    </message>
    <message>
        <source>&amp;Write vCards As</source>
        <translation>&amp;Gravar vCards como</translation>
    </message>
    <message>
        <source>As &amp;Read</source>
        <translation>Como &amp;lido</translation>
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
        <translation>Código de país para números nacionais (dígitos, como 55 ou 1); vazio para nenhum:</translation>
    </message>
    <message>
        <source>Default Country Code</source>
        <translation>Código de país padrão</translation>
    </message>
    <message>
        <source>A country calling code has one to three digits.</source>
        <translation>Um código de país tem de um a três dígitos.</translation>
    </message>
    <message>
        <source>Please Choose Options and Click Run...</source>
        <translation>Escolha as opções e clique em Executar agora…</translation>
    </message>
    <message>
        <source>No Card</source>
        <translation>Nenhum cartão</translation>
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
        <translation>Explicação da verificação de duplicatas</translation>
    </message>
    <message>
        <source>; a national number is read as one of +%1</source>
        <translation>; um número nacional é lido como um do +%1</translation>
    </message>
</context>
<context>
    <name>palvren::QtWindowDialogs</name>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Salvar relatório…</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salvar relatório</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>palvren::ReviewWindow</name>
    <message>
        <source>Untick to keep these contacts: they were both removed</source>
        <translation>Desmarque para manter estes contatos: ambos foram removidos</translation>
    </message>
    <message>
        <source>Untick to write these contacts as they were, unmerged</source>
        <translation>Desmarque para gravar estes contatos como estavam, sem mesclar</translation>
    </message>
    <message>
        <source>Review the Merges</source>
        <translation>Revisar as mesclagens</translation>
    </message>
    <message>
        <source>Pass 2 merged or removed these contacts. Untick any you want written as they were; nothing has been written yet.</source>
        <translation>A etapa 2 mesclou ou removeu estes contatos. Desmarque os que deseja gravar como estavam; nada foi gravado ainda.</translation>
    </message>
    <message>
        <source>&amp;Write the Files</source>
        <translation>&amp;Gravar os arquivos</translation>
    </message>
</context>
<context>
    <name>palvren::SourceDialog</name>
    <message>
        <source>vCard File</source>
        <translation>Arquivo vCard</translation>
    </message>
    <message>
        <source>CSV File</source>
        <translation>Arquivo CSV</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Select a multiple-contact vCard file to split</source>
        <translation>Escolha um arquivo vCard com vários contatos para dividir</translation>
    </message>
    <message>
        <source>Select the parent folder containing, single-contact vCard files</source>
        <translation>Escolha a pasta que contém os arquivos vCard de um só contato</translation>
    </message>
    <message>
        <source>Select several multiple-contact vCard files to merge</source>
        <translation>Escolha vários arquivos vCard com vários contatos para mesclar</translation>
    </message>
    <message>
        <source>Select a multiple-contact vCard file to export</source>
        <translation>Escolha um arquivo vCard com vários contatos para exportar</translation>
    </message>
    <message>
        <source>Select a CSV file to import</source>
        <translation>Escolha um arquivo CSV para importar</translation>
    </message>
</context>
</TS>
